// The main() of the main-window benchmarks: the program's own application
// object and the editor library, headless unless the caller names a
// platform.
#include "Application.h"
#include "EditorLibrary.h"

#include <benchmark/benchmark.h>
#include <cstdlib>

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    TApplication app(argc, argv);
    StartEditorLibrary();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
