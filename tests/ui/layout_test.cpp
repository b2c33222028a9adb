// The three dialogs as their resources describe them: control ids, help
// ids, texts, places in dialog units (where a resource gives them), tab
// order and default buttons.
#include <QCheckBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeView>
#include <QTreeWidget>
#include <tuple>
#include <vector>

#include "tests/ui/ui_fixture.h"
#include "ui/about_dialog.h"
#include "ui/contents_dialog.h"
#include "ui/library_list_dialog.h"

namespace qorvix::test {
namespace {

struct ControlSpec {
    int id;
    const char* className;
    const char* text;
    int x, y, width, height;
};

// The control `id`: its class, its text and its help id.
void CheckControl(const DialogForm& form, int id, const char* className, const char* text) {
    QWidget* control = form.Control(id);
    QVERIFY2(control, qPrintable(QString("no control %1").arg(id)));
    QCOMPARE(control->metaObject()->className(), className);
    QString shown;
    if (auto* button = qobject_cast<QAbstractButton*>(control)) shown = button->text();
    QCOMPARE(shown, QString::fromUtf8(text));
    QCOMPARE(control->property("helpId").toUInt(), HelpIdOf(form.ResourceId(), id));
}

// Tab goes from each control to the next, in the order of `ids`.
void CheckTabOrder(const DialogForm& form, const std::vector<int>& ids) {
    for (std::size_t i = 0; i + 1 < ids.size(); ++i) {
        QWidget* next = form.Control(ids[i])->nextInFocusChain();
        while (next && !(next->focusPolicy() & Qt::TabFocus))
            next = next->nextInFocusChain();
        QCOMPARE(ControlIdOf(next), ids[i + 1]);
    }
}

// Checks the controls with ids against their resource, and the tab order.
void CheckControls(const DialogForm& form, const std::vector<ControlSpec>& specs) {
    std::vector<int> tabOrder;
    for (const ControlSpec& spec : specs) {
        CheckControl(form, spec.id, spec.className, spec.text);
        QWidget* control = form.Control(spec.id);
        QRect expected = form.Units().Rect(spec.x, spec.y, spec.width, spec.height);
        QCOMPARE(control->y(), expected.y());
        QCOMPARE(control->height(), expected.height());
        // Wider only when its text needs it, and moved across only as far
        // as the desktop's font makes an aligned edge move.
        QVERIFY(control->width() >= expected.width());
        QVERIFY2(std::abs(control->x() - expected.x()) <= form.Units().X(4),
                 qPrintable(QString("control %1 at %2").arg(spec.id).arg(control->x())));
        tabOrder.push_back(spec.id);
    }
    CheckTabOrder(form, tabOrder);
}

// Where the controls of `ids` lie, as a user sees it: each whole inside the
// dialog, and none over another.
void CheckArrangement(QWidget* dialog, const DialogForm& form, const std::vector<int>& ids) {
    std::vector<std::pair<int, QRect>> placed;
    for (int id : ids) {
        QWidget* control = form.Control(id);
        QRect rect(control->mapTo(dialog, QPoint(0, 0)), control->size());
        QVERIFY2(dialog->rect().contains(rect),
                 qPrintable(QString("control %1 leaves the dialog").arg(id)));
        for (const auto& [other, otherRect] : placed) {
            QVERIFY2(!rect.intersects(otherRect),
                     qPrintable(QString("controls %1 and %2 overlap").arg(other).arg(id)));
        }
        placed.emplace_back(id, rect);
    }
}

}  // namespace

class LayoutTest : public QObject {
    Q_OBJECT
    std::unique_ptr<UiFixture> f;

  private slots:
    void init() { f = std::make_unique<UiFixture>(); }
    void cleanup() { f.reset(); }

    void dialogUnits() {
        DialogUnits units(6, 13);
        QCOMPARE(units.Rect(7, 20, 163, 140),
                 QRect(11, 33, 245, 228));  // rounded to the nearest pixel
        QCOMPARE(units.Size(50, 14), QSize(75, 23));
        QCOMPARE(HelpIdOf(129, 1002), 0x808103EAu);
        QCOMPARE(HelpIdOf(102, 1), 0x80660001u);
    }

    void theMainDialog() {
        CLibraryListDlg dialog(*f->app, f->services);
        QCOMPARE(dialog.windowTitle(), QString("Pellarine"));
        QCOMPARE(dialog.size(), dialog.Form().Units().Size(326, 202));
        CheckControls(dialog.Form(), {
                                         {1004, "QTreeWidget", "", 7, 21, 258, 153},
                                         {1010, "QPushButton", "&View...", 269, 21, 50, 14},
                                         {1001, "QPushButton", "&Browse...", 269, 41, 50, 14},
                                         {1005, "QPushButton", "&Refresh", 269, 61, 50, 14},
                                         {1, "QPushButton", "Close", 7, 181, 50, 14},
                                         {1012, "QPushButton", "&Help", 70, 181, 50, 14},
                                     });
        auto* view = qobject_cast<QPushButton*>(dialog.Form().Control(1010));
        QVERIFY(view->isDefault());
        QVERIFY(!view->isEnabled());
        auto labels = dialog.findChildren<QLabel*>();
        QCOMPARE(labels.size(), 1);
        QCOMPARE(labels[0]->text(), QString("Registered type libraries:"));
        QCOMPARE(labels[0]->property("helpId").toUInt(), 0u);
        QCOMPARE(LibraryList(dialog)->selectionMode(), QAbstractItemView::SingleSelection);
        QVERIFY(ClippedControls(&dialog).isEmpty());
    }

    void theContentsDialog() {
        CContentsDlg dialog(*f->app, f->services);
        QCOMPARE(dialog.windowTitle(), QString("Pellarine"));
        // The tree, then the copy file, the project and the two switches,
        // then Generate and Cancel: in tab order.
        const std::vector<std::tuple<int, const char*, const char*>> controls = {
            {1002, "QTreeView", ""},
            {1008, "QPushButton", "&Browse..."},
            {1003, "QLineEdit", ""},
            {1011, "QCheckBox", "Add &file to project"},
            {1006, "QCheckBox", "Generate &Interface Classes"},
            {1007, "QCheckBox", "Generate &Dual Interfaces"},
            {1009, "QPushButton", "&Generate"},
            {2, "QPushButton", "Cancel"},
        };
        std::vector<int> ids;
        for (const auto& [id, className, text] : controls) {
            CheckControl(dialog.Form(), id, className, text);
            ids.push_back(id);
        }
        CheckTabOrder(dialog.Form(), ids);
        CheckArrangement(&dialog, dialog.Form(), ids);
        QVERIFY(qobject_cast<QPushButton*>(dialog.Form().Control(1009))->isDefault());
        QStringList frames;
        for (QGroupBox* frame : dialog.findChildren<QGroupBox*>()) {
            frames << frame->title();
            QCOMPARE(frame->property("helpId").toUInt(), 0u);
        }
        frames.sort();
        QCOMPARE(frames, (QStringList{"COBOL", "COM (non-automation) support"}));
        // The frames lie beneath the check boxes they enclose.
        QWidget* dual = dialog.Form().Control(1007);
        QCOMPARE(dialog.childAt(dual->geometry().center()), dual);
        QVERIFY2(ClippedControls(&dialog).isEmpty(),
                 qPrintable(ClippedControls(&dialog).join(", ")));
    }

    // Both dialogs can be made bigger, not smaller; the list or the tree
    // takes the room, the rest keeps its distance to the nearest edges.
    void resizing() {
        const QSize more(300, 200);
        auto moved = [&](QWidget* control, const QRect& before) {
            return QPoint(control->x() - before.x(), control->y() - before.y());
        };
        CLibraryListDlg list(*f->app, f->services);
        list.OnInitDialog();
        list.show();
        const QSize least = list.size();
        QCOMPARE(least, list.Form().Units().Size(326, 202));
        QCOMPARE(list.minimumSize(), least);
        QMap<int, QRect> before;
        for (int id : {1004, 1010, 1001, 1005, 1, 1012})
            before[id] = list.Form().Control(id)->geometry();
        QRect label = list.findChild<QLabel*>()->geometry();
        QHeaderView* header = LibraryList(list)->header();
        QList<int> columns{header->sectionSize(0), header->sectionSize(1), header->sectionSize(2)};

        list.resize(least + more);
        QTRY_COMPARE(list.size(), least + more);
        QCOMPARE(LibraryList(list)->size(), before[1004].size() + more);
        QCOMPARE(moved(LibraryList(list), before[1004]), QPoint(0, 0));
        for (int id : {1010, 1001, 1005})  // beside the list: along the right edge
            QCOMPARE(moved(list.Form().Control(id), before[id]), QPoint(more.width(), 0));
        for (int id : {1, 1012})  // below it: along the bottom edge
            QCOMPARE(moved(list.Form().Control(id), before[id]), QPoint(0, more.height()));
        QCOMPARE(list.findChild<QLabel*>()->geometry(), label);
        // The TLBID column takes what a whole GUID needs, the description the rest.
        QTreeWidget* rows = LibraryList(list);
        int guid = rows->fontMetrics().horizontalAdvance(rows->topLevelItem(0)->text(2));
        QVERIFY(columns[2] < guid);  // what this is about
        QVERIFY(header->sectionSize(2) > guid);
        QVERIFY(header->sectionSize(2) < guid + 4 * rows->fontMetrics().averageCharWidth());
        QCOMPARE(header->sectionSize(0) + header->sectionSize(2),
                 columns[0] + columns[2] + more.width());
        QCOMPARE(header->sectionSize(1), columns[1]);
        // Back to the least size, which is also as small as it gets.
        list.resize(least - QSize(50, 50));
        QTRY_COMPARE(list.size(), least);
        for (int id : {1004, 1010, 1001, 1005, 1, 1012})
            QCOMPARE(list.Form().Control(id)->geometry(), before[id]);
        QCOMPARE(header->sectionSize(0), columns[0]);
        QCOMPARE(header->sectionSize(2), columns[2]);

        CContentsDlg contents(*f->app, f->services);
        QVERIFY(contents.LoadTypeLibFile(FixturePath("shapes.tlb")));
        contents.OnInitDialog();
        contents.show();
        const QSize leastContents = contents.size();
        QMap<QWidget*, QRect> placed;
        for (QWidget* control : contents.findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            placed[control] = control->geometry();
        contents.resize(leastContents + more);
        QTRY_COMPARE(contents.size(), leastContents + more);
        // The tree and the COBOL frame share the room across as their widths
        // do; in the frame the copy-file box and the frame that ends with it
        // widen, the buttons keep to the right edge, the rest to the left.
        QRect tree = placed[contents.TreeView()];
        QRect cobol;
        for (QGroupBox* frame : contents.findChildren<QGroupBox*>())
            cobol = cobol.width() > frame->width() ? cobol : placed[frame];
        int share = more.width() * tree.width() / (tree.width() + cobol.width());
        for (auto [control, was] : placed.asKeyValueRange()) {
            QRect expected = was;  // the label above the tree
            if (control == contents.TreeView()) {
                expected.adjust(0, 0, share, more.height());
            } else if (control == contents.Form().Control(2)) {
                expected.translate(0, more.height());  // Cancel, below the tree
            } else if (qobject_cast<QPushButton*>(control)) {
                expected.translate(more.width(), 0);
            } else if (was.x() > tree.right()) {
                expected.translate(share, 0);
                if (qobject_cast<QGroupBox*>(control) || control == contents.Form().Control(1003))
                    expected.setRight(was.right() + more.width());
            }
            QCOMPARE(control->geometry(), expected);
        }
    }

    void theAboutBox() {
        CAboutDlg about;
        QCOMPARE(about.windowTitle(), QString("About Pellarine"));
        QCOMPARE(about.findChild<QLabel*>("version")->text(), QString("QORVIX Version 1.0.17"));
        QVERIFY(!about.findChild<QLabel*>("notice")->text().isEmpty());
        QVERIFY(!about.findChild<QLabel*>("icon")->pixmap().isNull());
        auto* ok = qobject_cast<QPushButton*>(about.Form().Control(1));
        QCOMPARE(ok->text(), QString("OK"));
        QVERIFY(ok->isDefault());
        QCOMPARE(ok->property("helpId").toUInt(), 0u);  // the About box has no help
        about.show();
        QTest::keyClick(&about, Qt::Key_Escape);
        QCOMPARE(about.result(), int(QDialog::Rejected));
        about.show();
        QTest::keyClick(&about, Qt::Key_Return);
        QCOMPARE(about.result(), int(QDialog::Accepted));
    }
};

QORVIX_UI_TEST(LayoutTest);

}  // namespace qorvix::test

#include "layout_test.moc"
