// How close the AWG data transfer comes to the disk and memory: a 50 M
// sample two-channel double file (800 MB, one packet) loaded into the bench,
// saved back from it and compared, each against plain read()/write() and
// memcpy/memcmp doing the same amount of work; peak resident memory of each
// operation beside the bench's own AWG memory.
//
//     bench_awg [samples per channel] [runs]

#include "AwgFileComparison.h"
#include "AwgFileHeader.h"
#include "AwgFileReader.h"
#include "AwgFileWriter.h"
#include "AwgTransfer.h"
#include "BenchSetup.h"
#include "DWAVModule.h"
#include "ParameterTypes.h"

#include "dwav_bench.h"
#include "tvkbase_32.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <functional>
#include <memory>
#include <string>
#include <unistd.h>

namespace {

using BenchSetup::position;
const size_t ioBlock = 8 << 20;

double seconds(const std::function<bool()> &body)
{
    const auto start = std::chrono::steady_clock::now();
    if (!body()) {
        std::fprintf(stderr, "an operation failed\n");
        std::exit(1);
    }
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// Peak resident memory since the last reset, in MiB.
void resetPeak()
{
    if (FILE *f = std::fopen("/proc/self/clear_refs", "w")) {
        std::fputs("5", f);
        std::fclose(f);
    }
}

double peakMiB()
{
    FILE *f = std::fopen("/proc/self/status", "r");
    if (!f)
        return 0;
    char line[256];
    double kib = 0;
    while (std::fgets(line, sizeof line, f))
        if (std::strncmp(line, "VmHWM:", 6) == 0)
            kib = std::atof(line + 6);
    std::fclose(f);
    return kib / 1024.0;
}

bool readAll(const char *path, char *into, size_t bytes)
{
    const int fd = ::open(path, O_RDONLY);
    if (fd < 0)
        return false;
    size_t done = 0;
    while (done < bytes) {
        const ssize_t got = ::read(fd, into + done, std::min(ioBlock, bytes - done));
        if (got <= 0)
            break;
        done += size_t(got);
    }
    ::close(fd);
    return done == bytes;
}

bool writeAll(const char *path, const char *from, size_t bytes)
{
    const int fd = ::open(path, O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd < 0)
        return false;
    size_t done = 0;
    while (done < bytes) {
        const ssize_t put = ::write(fd, from + done, std::min(ioBlock, bytes - done));
        if (put <= 0)
            break;
        done += size_t(put);
    }
    const bool synced = ::fsync(fd) == 0;
    ::close(fd);
    return done == bytes && synced;
}

bool readAndCompare(const char *a, const char *b, size_t bytes)
{
    const int fa = ::open(a, O_RDONLY);
    const int fb = ::open(b, O_RDONLY);
    std::unique_ptr<char[]> ba(new char[ioBlock]);
    std::unique_ptr<char[]> bb(new char[ioBlock]);
    bool same = fa >= 0 && fb >= 0;
    for (size_t done = 0; same && done < bytes;) {
        const size_t n = std::min(ioBlock, bytes - done);
        same = ::read(fa, ba.get(), n) == ssize_t(n) && ::read(fb, bb.get(), n) == ssize_t(n)
               && std::memcmp(ba.get(), bb.get(), n) == 0;
        done += n;
    }
    ::close(fa);
    ::close(fb);
    return same;
}

struct Row
{
    const char *what;
    double panel = 1e30;
    double baseline = 1e30;
    double peak = 0;
};

void print(const Row &row, double aim)
{
    const double ratio = row.panel / row.baseline;
    std::printf("%-8s panel %7.3f s   baseline %7.3f s   ratio %5.2f (aim %.1f)   peak RSS %7.0f MiB\n",
                row.what, row.panel, row.baseline, ratio, aim, row.peak);
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const quint32 samples = argc > 1 ? quint32(std::max(8, std::atoi(argv[1]))) : 50000000u;
    const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 3;

    QTemporaryDir folder;
    if (!folder.isValid() || !QDir::setCurrent(folder.path())) {
        std::fprintf(stderr, "no temporary folder\n");
        return 1;
    }
    // Room for the whole packet in the module's AWG memory.
    DWAVModule module;
    if (!BenchSetup::open(module, "awg_capacity = 50000000\n"))
        return 1;

    AwgFileHeader header;
    header.chan = 2;
    header.numSamples = samples;
    module.setMode(0);
    module.setAWGParameter(QStringLiteral("chan"), 2);
    module.setAWGParameter(QStringLiteral("numPacks"), 1);
    module.setAWGParameter(QStringLiteral("numSamples"), uint(samples));
    if (module.configure() != 0) {
        std::fprintf(stderr, "the module did not take the AWG set\n");
        return 1;
    }

    // The source file, written once with the codec.
    const QString source = folder.filePath(QStringLiteral("source.vwf"));
    const QString saved = folder.filePath(QStringLiteral("saved.vwf"));
    const QString plain = folder.filePath(QStringLiteral("plain.vwf"));
    {
        std::unique_ptr<double[]> c1(new double[samples]);
        std::unique_ptr<double[]> c2(new double[samples]);
        for (quint32 k = 0; k < samples; ++k) {
            c1[k] = 9.0 * std::sin(k * 0.001);
            c2[k] = 9.0 * std::cos(k * 0.001);
        }
        QFile file(source);
        AwgFileWriter writer(&file);
        if (!file.open(QIODevice::WriteOnly) || !writer.writeHeader(header)
            || !writer.writePacket(c1.get(), c2.get(), samples))
            return 1;
    }
    const size_t fileBytes = size_t(AwgFileHeader::size + header.bodyBytes());
    const QByteArray sourcePath = QFile::encodeName(source);
    const QByteArray savedPath = QFile::encodeName(saved);
    const QByteArray plainPath = QFile::encodeName(plain);

    Row load{"load"}, save{"save"}, compare{"compare"};
    for (int run = 0; run < runs; ++run) {
        resetPeak();
        load.panel = std::min(load.panel, seconds([&] {
            QFile file(source);
            if (!file.open(QIODevice::ReadOnly))
                return false;
            AwgFileReader reader(&file);
            AwgFileHeader layout;
            return reader.readHeader(&layout)
                   && AwgTransfer(module.moduleSession(), position).load(reader, layout) == 0;
        }));
        load.peak = std::max(load.peak, peakMiB());
        {
            // The second buffer stands for the bench's memory, which keeps
            // its room from one load to the next; the first is fresh, as the
            // panel's packet buffers are.
            std::unique_ptr<char[]> copy(new char[fileBytes]);
            std::memset(copy.get(), 0, fileBytes);
            load.baseline = std::min(load.baseline, seconds([&] {
                std::unique_ptr<char[]> buffer(new char[fileBytes]);
                const bool ok = readAll(sourcePath.constData(), buffer.get(), fileBytes);
                std::memcpy(copy.get(), buffer.get(), fileBytes);
                return ok;
            }));
        }

        resetPeak();
        save.panel = std::min(save.panel, seconds([&] {
            return AwgTransfer(module.moduleSession(), position).save(saved, header) == 0;
        }));
        save.peak = std::max(save.peak, peakMiB());
        {
            std::unique_ptr<char[]> memory(new char[fileBytes]);
            std::memset(memory.get(), 1, fileBytes);
            save.baseline = std::min(save.baseline, seconds([&] {
                std::unique_ptr<char[]> buffer(new char[fileBytes]);
                std::memcpy(buffer.get(), memory.get(), fileBytes);
                return writeAll(plainPath.constData(), buffer.get(), fileBytes);
            }));
        }

        resetPeak();
        compare.panel = std::min(compare.panel, seconds([&] {
            QFile a(source), b(saved);
            return a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly)
                   && AwgFileComparison::compare(&a, &b).outcome == AwgFileComparison::Match;
        }));
        compare.peak = std::max(compare.peak, peakMiB());
        compare.baseline = std::min(compare.baseline, seconds([&] {
            return readAndCompare(sourcePath.constData(), savedPath.constData(), fileBytes);
        }));
    }

    const double mib = 1024.0 * 1024.0;
    const double benchMemory = 2.0 * samples * sizeof(double) / mib;
    const double packetBuffers = 2.0 * samples * sizeof(double) / mib;
    std::printf("\n%u samples x 2 channels, doubles: file %.0f MiB; best of %d runs\n", samples,
                fileBytes / mib, runs);
    print(load, 1.5);
    print(save, 1.5);
    print(compare, 1.3);
    std::printf("memory aim: bench AWG memory %.0f MiB + packet buffers %.0f MiB + 64 MiB = %.0f MiB\n",
                benchMemory, packetBuffers, benchMemory + packetBuffers + 64);
    return 0;
}
