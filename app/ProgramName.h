#pragma once

#include <QString>

// The file name of the standalone program and the one test of whether a
// command-line path names it. Everything that asks "are we the standalone
// program?" goes through here, so the answer never differs between callers.
class ProgramName
{
public:
    // "p_dwav.exe" on Windows, "p_dwav" elsewhere.
    static QString fileName();

    // True when the path, exactly as the process received it, ends with the
    // program's file name in any letter case. A copy renamed to P_DWAV.EXE
    // still counts; a program started under any other name does not.
    static bool isStandalonePath(const QString &applicationPath);
};
