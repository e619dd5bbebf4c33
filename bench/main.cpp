#include "FigureReporter.h"

#include "app/Platform.h"

#include <QApplication>
#include <QTemporaryDir>

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    // Never touch the user's saved word file.
    QTemporaryDir preferences;
    Platform::setPreferencesFolderForTesting(preferences.path());

    benchmark::Initialize(&argc, argv);
    FigureReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
