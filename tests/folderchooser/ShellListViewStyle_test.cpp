// What differs between the list's two styles: which view shows, icon
// sizes, where attribute images go, what the drawing hooks are asked for.
#include "../folderchooser_core/TempNamespace.h"
#include "ListViewInStyle.h"
#include "ShellListView.h"
#include "SystemImageList.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QLineEdit>
#include <QListView>
#include <QPainter>
#include <QPixmap>
#include <QProxyStyle>
#include <QStyle>
#include <QTest>
#include <QTreeView>
#include <gtest/gtest.h>
#include <set>
#include <sys/stat.h>

namespace {

std::vector<int> SelectedRows(TShellListView& View)
{
    std::vector<int> rows;
    for (const QModelIndex& index : View.ItemView().selectionModel()->selectedRows())
        rows.push_back(index.row());
    std::sort(rows.begin(), rows.end());
    return rows;
}

int Metric(const TShellListView& View, QStyle::PixelMetric Which) { return View.style()->pixelMetric(Which); }

TEST(ShellListViewStyle, IconsAreTheDefaultAndAChangeKeepsSelectionCurrentRowAndFocus)
{
    TTempNamespace temp;
    const std::string docs = temp.MakeDirs("home/Desktop/docs");
    for (const char* name : {"a.txt", "b.txt", "c.txt"})
        WriteRaw(docs + "/" + name, "x");
    temp.MakeDirs("home/Desktop/docs/sub");
    const auto ns = temp.Make();
    // On a form with a control after it, which the focus must not go to.
    QWidget form;
    TShellListView view(&form, ns.get());
    QLineEdit after(&form);
    after.move(0, 310);
    EXPECT_EQ(view.ViewStyle(), vsIcon);
    form.show();
    ShowIn(view, *ns, docs, view.ViewStyle());
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    const int large = Metric(view, QStyle::PM_LargeIconSize);
    const int small = Metric(view, QStyle::PM_SmallIconSize);
    EXPECT_EQ(&view.ItemView(), &view.IconView());
    EXPECT_TRUE(view.IconView().isVisible());
    EXPECT_FALSE(view.ReportView().isVisible());
    EXPECT_EQ(view.IconView().iconSize(), QSize(large, large));
    EXPECT_EQ(view.ReportView().iconSize(), QSize(small, small));
    // Every row's icon at the large size, folders' too.
    TSystemImageList& images = TSystemImageList::Instance();
    for (int row = 0; row < view.FileList().Count(); ++row) {
        EXPECT_EQ(view.IconRect(row).size(), QSize(large, large)) << row;
        EXPECT_EQ(images.Icon(view.FileList().IconIndex(row, images)).actualSize({large, large}), QSize(large, large))
            << row;
    }

    // A click and a Ctrl+click in the icon view select two rows.
    std::vector<uint64_t> totals;
    view.OnShSelChange = [&](TShellListView*, uint64_t SelSize) { totals.push_back(SelSize); };
    QListView& icons = view.IconView();
    QTest::mouseClick(icons.viewport(), Qt::LeftButton, {}, icons.visualRect(view.FileList().index(1, 0)).center());
    QTest::mouseClick(icons.viewport(), Qt::LeftButton, Qt::ControlModifier,
                      icons.visualRect(view.FileList().index(3, 0)).center());
    EXPECT_EQ(SelectedRows(view), (std::vector<int>{1, 3}));
    ASSERT_FALSE(totals.empty());
    EXPECT_EQ(totals.back(), 2u);
    EXPECT_TRUE(icons.hasFocus());

    view.SetViewStyle(vsReport);
    EXPECT_EQ(&view.ItemView(), &view.ReportView());
    EXPECT_TRUE(view.ReportView().isVisible());
    EXPECT_FALSE(icons.isVisible());
    EXPECT_EQ(SelectedRows(view), (std::vector<int>{1, 3}));
    EXPECT_EQ(view.ReportView().currentIndex().row(), 3);
    EXPECT_TRUE(view.ReportView().hasFocus());
    EXPECT_EQ(view.IconRect(0).size(), QSize(small, small));

    view.SetViewStyle(vsIcon);
    EXPECT_EQ(SelectedRows(view), (std::vector<int>{1, 3}));
    EXPECT_TRUE(icons.hasFocus());
}

// A style whose large icons are 48 pixels.
class TLargerIcons final : public QProxyStyle {
public:
    int pixelMetric(PixelMetric Metric, const QStyleOption* Option, const QWidget* Widget) const override
    {
        return Metric == PM_LargeIconSize ? 48 : QProxyStyle::pixelMetric(Metric, Option, Widget);
    }
};

TEST(ShellListViewStyle, IconSizesFollowTheStyle)
{
    TShellListView view;
    TLargerIcons style;
    view.setStyle(&style);
    EXPECT_EQ(view.IconView().iconSize(), QSize(48, 48));
    EXPECT_GE(view.IconView().gridSize().width(), 2 * 48);
    view.setStyle(nullptr);
}

// The pixels of a solid square the size of a small icon.
QIcon Solid(const TShellListView& View, Qt::GlobalColor Colour)
{
    const int side = Metric(View, QStyle::PM_SmallIconSize);
    QPixmap square(side, side);
    square.fill(Colour);
    return QIcon(square);
}

TEST(ShellListViewStyle, AttributeImagesStandBesideTheIconOrInTheAttributesColumn)
{
    TTempNamespace temp;
    const std::string docs = temp.MakeDirs("home/Desktop/docs");
    WriteRaw(docs + "/.both", "x");
    WriteRaw(docs + "/plain.txt", "x");
    chmod((docs + "/.both").c_str(), 0444);
    const auto ns = temp.Make();
    const QRgb red = QColor(Qt::red).rgb();
    const QRgb blue = QColor(Qt::blue).rgb();
    // Where the hidden (red) and read-only (blue) images of a row go.
    struct TCase {
        TViewStyle Style;
        std::function<std::vector<std::pair<QRect, QRgb>>(TShellListView&, int Row, int Side)> Expected;
    };
    const TCase cases[] = {
        // Stacked up from the icon's bottom, right edges 5 pixels inside
        // its left edge, a pixel apart: hidden lowest, read-only above.
        {vsIcon,
         [&](TShellListView& View, int Row, int Side) {
             const QRect icon = View.IconRect(Row);
             const QRect first(icon.left() + 5 - Side, icon.bottom() - Side + 1, Side, Side);
             return std::vector<std::pair<QRect, QRgb>>{{first, red}, {first.translated(0, -Side - 1), blue}};
         }},
        // Left to right from 2 pixels below the cell's top: read-only, then hidden.
        {vsReport, [&](TShellListView& View, int Row, int Side) {
             const QRect cell = View.ReportView().visualRect(View.FileList().index(Row, TShellFileList::colAttributes));
             const QRect first(cell.left(), cell.top() + 2, Side, Side);
             return std::vector<std::pair<QRect, QRgb>>{{first, blue}, {first.translated(Side, 0), red}};
         }}};
    for (const TCase& test : cases) {
        SCOPED_TRACE(test.Style == vsIcon ? "icon" : "report");
        TShellListView view(nullptr, ns.get());
        view.SetAttributesImage({{Solid(view, Qt::red), Solid(view, Qt::blue)}, -1, 1, 0, -1});
        ShowIn(view, *ns, docs, test.Style);
        view.ItemView().clearSelection();
        const int side = Metric(view, QStyle::PM_SmallIconSize);
        const QImage shot = view.ItemView().viewport()->grab().toImage();
        const int both = RowNamed(view, ".both");
        for (const auto& [rect, colour] : test.Expected(view, both, side)) {
            EXPECT_EQ(shot.pixel(rect.topLeft()), colour);
            EXPECT_EQ(shot.pixel(rect.bottomRight()), colour);
            EXPECT_NE(shot.pixel(rect.bottomRight() + QPoint(1, 1)), colour);
        }
        // A row without attributes shows none.
        for (const auto& [rect, colour] : test.Expected(view, RowNamed(view, "plain.txt"), side)) {
            const QRgb shown = shot.pixel(rect.center());
            EXPECT_TRUE(shown != red && shown != blue);
        }
    }
}

TEST(ShellListViewStyle, DrawingHooksTakeOverRowsAndTheReportsCells)
{
    TTempNamespace temp;
    const std::string docs = temp.MakeDirs("home/Desktop/docs");
    WriteRaw(docs + "/a.txt", "x");
    WriteRaw(docs + "/b.txt", "x");
    const auto ns = temp.Make();
    const struct {
        TViewStyle Style;
        std::set<int> SubItems;
    } cases[] = {{vsIcon, {}}, {vsReport, {1, 2, 3, 4}}};
    for (const auto& test : cases) {
        SCOPED_TRACE(test.Style == vsIcon ? "icon" : "report");
        TShellListView view(nullptr, ns.get());
        std::set<int> subItems;
        view.OnShDrawItem = [](TShellListView*, QPainter& Painter, const QStyleOptionViewItem& Option,
                               const TShellFileItem& Item, bool& DefaultDraw) {
            if (Item.DisplayName != "a.txt")
                return;
            Painter.fillRect(Option.rect, Qt::green);
            DefaultDraw = false;
        };
        view.OnShDrawSubItem = [&](TShellListView*, QPainter& Painter, const QStyleOptionViewItem& Option,
                                   const TShellFileItem&, int SubItem, bool& DefaultDraw) {
            subItems.insert(SubItem);
            if (SubItem == TShellFileList::colType) {
                Painter.fillRect(Option.rect, Qt::yellow);
                DefaultDraw = false;
            }
        };
        ShowIn(view, *ns, docs, test.Style);
        QAbstractItemView& items = view.ItemView();
        const QImage shot = items.viewport()->grab().toImage();
        const QModelIndex a = view.FileList().index(RowNamed(view, "a.txt"), 0);
        const QModelIndex b = view.FileList().index(RowNamed(view, "b.txt"), 0);
        EXPECT_EQ(shot.pixel(items.visualRect(a).center()), QColor(Qt::green).rgb());
        EXPECT_NE(shot.pixel(items.visualRect(b).center()), QColor(Qt::green).rgb());
        EXPECT_EQ(subItems, test.SubItems);
        if (test.Style == vsReport) {
            EXPECT_EQ(shot.pixel(items.visualRect(b.siblingAtColumn(TShellFileList::colType)).center()),
                      QColor(Qt::yellow).rgb());
        }
    }
}

} // namespace
