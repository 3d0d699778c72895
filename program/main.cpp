#include "MainApp.h"
#include "QtLibraryPaths.h"

int main(int argc, char **argv)
{
    // Qt must know where its plug-ins live before the first Qt object.
    setupQtLibraryPaths();
    return MainApp::instance()->execGuarded(argc, argv);
}
