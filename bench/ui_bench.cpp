// The contents dialog on the largest corpus library: a click on the expand
// button of its largest category, until the list is painted. Runs under the
// offscreen platform unless another is set (under Xvfb: QT_QPA_PLATFORM=xcb).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTest>
#include <QTreeView>
#include <cstdlib>
#include <filesystem>

#include "app/generator_app.h"
#include "ui/contents_dialog.h"

namespace {

using namespace qorvix;

void BM_ExpandLargestCategory(benchmark::State& state) {
    std::string path = std::string(QORVIX_SHARED_DIR) + "/corpus/wine-mshtml.tlb";
    if (!std::filesystem::exists(path)) {
        state.SkipWithError("the shared corpus is not on this machine");
        return;
    }
    CGeneratorApp app;
    UiServices services;
    int largestRow = -1;
    int rows = 0;
    for (auto _ : state) {
        state.PauseTiming();
        // A dialog opened afresh on a library loaded afresh, its library item open.
        auto dialog = std::make_unique<CContentsDlg>(app, services);
        if (!dialog->LoadTypeLibFile(path)) {
            state.SkipWithError("load failed");
            return;
        }
        dialog->OnInitDialog();
        dialog->show();
        QTreeView* tree = dialog->TreeView();
        QModelIndex library = tree->model()->index(0, 0);
        tree->expand(library);
        if (largestRow < 0) {
            // Found once, on a dialog of its own.
            CContentsDlg probe(app, services);
            probe.LoadTypeLibFile(path);
            probe.OnInitDialog();
            QModelIndex probeLibrary = probe.Model()->index(0, 0);
            probe.TreeView()->expand(probeLibrary);
            for (int row = 0; row < 8; ++row) {
                QModelIndex category = probe.Model()->index(row, 0, probeLibrary);
                probe.TreeView()->expand(category);
                if (probe.Model()->rowCount(category) > rows) {
                    rows = probe.Model()->rowCount(category);
                    largestRow = row;
                }
            }
        }
        QApplication::processEvents();
        tree->viewport()->repaint();
        QModelIndex category = tree->model()->index(largestRow, 0, library);
        QRect item = tree->visualRect(category);
        QPoint button(item.x() - tree->indentation() / 2, item.center().y());
        state.ResumeTiming();

        QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, button);
        tree->viewport()->repaint();

        state.PauseTiming();
        if (tree->model()->rowCount(category) != rows)
            state.SkipWithError("the click did not expand the category");
        dialog.reset();
        state.ResumeTiming();
    }
    state.counters["rows"] = rows;
}

}  // namespace

BENCHMARK(BM_ExpandLargestCategory)->Unit(benchmark::kMillisecond)->Iterations(20)->Repetitions(5);

int main(int argc, char** argv) {
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
