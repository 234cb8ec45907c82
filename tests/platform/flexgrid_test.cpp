// The flex grid: structure and titles, the anchor and moving corner of the
// selection, and the fixed order of its events.
#include <gtest/gtest.h>
#include <QApplication>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTest>
#include <cstdlib>

#include "platform/common.h"
#include "platform/flexgrid.h"
#include "qstring_print.h"
#include "runtime/errors.h"
#include "support/grab.h"

namespace {

using plat::FlexGrid;

TEST(FlexGrid, FormatStringSetsColumnsTitlesAndCentring) {
    FlexGrid gd("gdEqui");
    gd.SetFormatString("|^Fuerza|^Fx|^Fy");
    EXPECT_EQ(gd.Cols(), 4);
    EXPECT_EQ(gd.TextMatrix(0, 0), "");
    EXPECT_EQ(gd.TextMatrix(0, 1), "Fuerza");
    EXPECT_EQ(gd.TextMatrix(0, 3), "Fy");
    EXPECT_EQ(gd.ColAlignment(0), FlexGrid::General);
    EXPECT_EQ(gd.ColAlignment(2), FlexGrid::CenterCenter);
    EXPECT_EQ(gd.CellAlignment(1, 2), Qt::AlignHCenter | Qt::AlignVCenter);

    FlexGrid gd1("gd1");
    gd1.SetFormatString("^#|^Cpo.|^Pto.|^Fuerza|^Fx|^Fy|^Mom.");
    EXPECT_EQ(gd1.Cols(), 7);
    EXPECT_EQ(gd1.TextMatrix(0, 0), "#");
    EXPECT_EQ(gd1.ColAlignment(0), FlexGrid::CenterCenter);
}

TEST(FlexGrid, CellsWidthsAndColours) {
    FlexGrid gd("gd");
    gd.SetRows(21);
    gd.SetCols(22);
    gd.SetTextMatrix(0, 0, "#");
    gd.SetTextMatrix(20, 21, "7.5");
    EXPECT_EQ(gd.TextMatrix(20, 21), "7.5");
    EXPECT_EQ(gd.TextMatrix(5, 5), "");
    // An index of the program's own out of range is a fault of the program;
    // a cell named by what the user typed is bad input.
    EXPECT_THROW(gd.TextMatrix(21, 0), rt::ProgramFault);
    EXPECT_THROW(gd.SetTextMatrix(0, 22, "x"), rt::ProgramFault);
    EXPECT_THROW(gd.SetRow(-1), rt::ProgramFault);
    EXPECT_THROW(gd.CheckedTextMatrix(21, 0), rt::RuntimeError);
    EXPECT_THROW(gd.CheckedTextMatrix(0, -1), rt::RuntimeError);
    EXPECT_EQ(gd.CheckedTextMatrix(20, 21), "7.5");

    gd.SetColWidth(0, 330);
    gd.SetColWidth(1, 1260);
    EXPECT_EQ(gd.ColWidth(0), 330);
    EXPECT_EQ(gd.columnWidth(0), 22);
    EXPECT_EQ(gd.columnWidth(1), 84);

    EXPECT_EQ(gd.CellBackColor(), 0u);
    gd.SetRow(3);
    gd.SetCol(4);
    gd.SetCellBackColor(0xE0E0E0);
    EXPECT_EQ(gd.CellBackColor(), 0xE0E0E0u);
    gd.SetRow(4);
    EXPECT_EQ(gd.CellBackColor(), 0u);

    // Removing rows keeps the cursor inside; one row left is the title row.
    gd.SetRows(1);
    EXPECT_EQ(gd.Row(), 0);
    gd.SetRows(3);
    gd.ClearCells();
    EXPECT_EQ(gd.TextMatrix(0, 0), "");
}

// A shown grid whose events are logged.
class GridEvents : public ::testing::Test {
protected:
    void SetUp() override {
        grid = new FlexGrid("gd", &host);
        grid->SetRows(8);
        grid->SetCols(6);
        for (int c = 0; c < 6; ++c) grid->SetColWidth(c, 900);
        grid->setGeometry(0, 0, 400, 200);
        host.resize(400, 200);
        host.show();
        grid->EnterCell = [this] { log += QString("E%1,%2 ").arg(grid->Row()).arg(grid->Col()); };
        grid->SelChange = [this] {
            log += QString("S%1,%2-%3,%4 ").arg(grid->Row()).arg(grid->Col()).arg(grid->RowSel()).arg(grid->ColSel());
            if (onSelChange) onSelChange();
        };
        grid->MouseDown = [this](int button, int shift, double x, double y) {
            log += QString("M%1@%2,%3 ").arg(button).arg(grid->Row()).arg(grid->Col());
            lastX = x;
        };
        grid->DblClick = [this] { log += "D "; };
    }
    QPoint Center(int r, int c) { return grid->visualRect(grid->model()->index(r, c)).center(); }
    void Mouse(QEvent::Type type, int r, int c, Qt::MouseButtons held, Qt::KeyboardModifiers mods = Qt::NoModifier) {
        const QPointF pos = Center(r, c);
        const Qt::MouseButton b = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
        QMouseEvent e(type, pos, grid->viewport()->mapToGlobal(pos), b, held, mods);
        QApplication::sendEvent(grid->viewport(), &e);
    }
    void Press(int r, int c, Qt::KeyboardModifiers mods = Qt::NoModifier) {
        Mouse(QEvent::MouseButtonPress, r, c, Qt::LeftButton, mods);
    }
    void Drag(int r, int c) { Mouse(QEvent::MouseMove, r, c, Qt::LeftButton); }
    void Release(int r, int c) { Mouse(QEvent::MouseButtonRelease, r, c, Qt::NoButton); }

    QWidget host;
    FlexGrid* grid = nullptr;
    QString log;
    double lastX = -1;
    std::function<void()> onSelChange;
};

TEST_F(GridEvents, CodeMovesTheCursorWithoutSelChange) {
    grid->SetRow(2);
    grid->SetCol(3);
    grid->SetCol(3);  // same cell: nothing
    EXPECT_EQ(log, "E2,1 E2,3 ");
    // The moving corner may lie above and left of the anchor.
    grid->SetRowSel(1);
    grid->SetColSel(1);
    EXPECT_EQ(grid->RowSel(), 1);
    EXPECT_TRUE(grid->InSelection(1, 2));
    EXPECT_FALSE(grid->InSelection(3, 2));
    // Setting Row or Col collapses the block onto the new current cell.
    grid->SetRowSel(4);
    grid->SetColSel(4);
    grid->SetCol(2);
    EXPECT_EQ(grid->RowSel(), 2);
    EXPECT_EQ(grid->ColSel(), 2);
    EXPECT_EQ(log, "E2,1 E2,3 E2,2 ");
}

TEST_F(GridEvents, PressNamesTheClickedCellBeforeMouseDownThenSelChange) {
    Press(3, 2);
    EXPECT_EQ(log, "E3,2 M1@3,2 S3,2-3,2 ");
    EXPECT_NEAR(lastX, Center(3, 2).x() * 15.0, 15.0);
    log.clear();
    Drag(5, 4);
    Drag(5, 4);  // no change, no event
    Drag(1, 1);  // above and left of the anchor
    Release(1, 1);
    EXPECT_EQ(log, "S3,2-5,4 S3,2-1,1 ");
    EXPECT_EQ(grid->Row(), 3);
    EXPECT_EQ(grid->RowSel(), 1);
    log.clear();
    Press(6, 5, Qt::ShiftModifier);  // Shift moves only the corner
    EXPECT_EQ(log, "M1@3,2 S3,2-6,5 ");
}

TEST_F(GridEvents, PressOnTheSameCellAndOnTitlesRaisesOnlyMouseDown) {
    Press(2, 2);
    Release(2, 2);
    log.clear();
    Press(2, 2);
    Press(0, 3);  // a title cell is not selected
    EXPECT_EQ(log, "M1@2,2 M1@2,2 ");
}

TEST_F(GridEvents, SelChangeHandlerThatCollapsesTheSelectionEndsTheDrag) {
    Press(4, 3);
    onSelChange = [this] {
        if (grid->RowSel() < grid->Row()) {  // refuse a block made upwards
            grid->SetRow(grid->Row());
            grid->SetCol(grid->Col());
        }
    };
    Drag(2, 3);
    Drag(1, 3);
    EXPECT_EQ(grid->RowSel(), 4);
    EXPECT_EQ(log.count('S'), 2);  // the press and the refused drag only
}

TEST_F(GridEvents, DoubleClick) {
    Press(2, 2);
    Release(2, 2);
    Mouse(QEvent::MouseButtonDblClick, 2, 2, Qt::LeftButton);
    EXPECT_TRUE(log.endsWith("D "));
}

TEST_F(GridEvents, KeysMoveTheCursorAndTypedCharactersGoToKeyPress) {
    grid->SetRow(1);
    grid->SetCol(1);
    log.clear();
    QString typed;
    grid->keys.KeyPress = [&](int& ascii) { typed += QString::number(ascii) + " "; };
    QTest::keyClick(grid, Qt::Key_Right);
    QTest::keyClick(grid, Qt::Key_Down, Qt::ShiftModifier);
    EXPECT_EQ(log, "E1,2 S1,2-1,2 S1,2-2,2 ");
    QTest::keyClick(grid, Qt::Key_Left);
    QTest::keyClick(grid, Qt::Key_Left);  // stops at the first data column
    EXPECT_EQ(grid->Col(), 1);
    QTest::keyClick(grid, Qt::Key_7);
    QTest::keyClick(grid, Qt::Key_Return);
    QTest::keyClick(grid, Qt::Key_Backspace);
    EXPECT_EQ(typed, "55 13 8 ");
    EXPECT_EQ(grid->TextMatrix(1, 1), "");  // no editor of its own

    grid->keys.KeyDown = [](int& code, int) {
        if (code == 39) code = 0;
    };
    QTest::keyClick(grid, Qt::Key_Right);
    EXPECT_EQ(grid->Col(), 1);
}

// The Enter walk: a KeyPress handler moves the cursor from code; the block
// chosen before stays known because no SelChange runs.
TEST_F(GridEvents, EnterWalkMovesByCodeWithoutSelChange) {
    Press(1, 1);
    Drag(2, 3);
    Release(2, 3);
    const int top = grid->Row(), left = grid->Col(), bottom = grid->RowSel(), right = grid->ColSel();
    log.clear();
    grid->keys.KeyPress = [&](int& ascii) {
        if (ascii != 13) return;
        const int c = grid->Col(), r = grid->Row();
        if (c < right) {
            grid->SetCol(c + 1);
        } else if (r < bottom) {
            grid->SetCol(left);
            grid->SetRow(r + 1);
        } else {
            grid->SetCol(left);
            grid->SetRow(top);
            grid->SetRowSel(bottom);
            grid->SetColSel(right);
        }
    };
    QString visited;
    for (int i = 0; i < 6; ++i) {
        QTest::keyClick(grid, Qt::Key_Return);
        visited += QString("%1,%2 ").arg(grid->Row()).arg(grid->Col());
    }
    EXPECT_EQ(visited, "1,2 1,3 2,1 2,2 2,3 1,1 ");
    EXPECT_FALSE(log.contains('S'));
    EXPECT_EQ(grid->RowSel(), 2);
    EXPECT_EQ(grid->ColSel(), 3);
}

// A grid larger than its window: the titles stay in view while the data
// scrolls beneath them.
class ScrolledGrid : public ::testing::Test {
protected:
    void SetUp() override {
        grid = new FlexGrid("gd", &host);
        grid->SetRows(21);
        grid->SetCols(22);
        for (int c = 0; c < 22; ++c) {
            grid->SetColWidth(c, 900);  // 60 pixels
            grid->SetTextMatrix(0, c, QString::number(c));
        }
        for (int r = 1; r < 21; ++r) grid->SetTextMatrix(r, 0, QString::number(r));
        grid->setGeometry(0, 0, 300, 150);
        host.resize(300, 150);
    }
    QRect Rect(int r, int c) const { return grid->visualRect(grid->model()->index(r, c)); }
    QRect Data() const {  // the part of the viewport beside the titles
        return QRect(QPoint(grid->columnWidth(0), grid->rowHeight(0)), grid->viewport()->rect().bottomRight());
    }
    QColor Pixel(QPoint p) const { return grid->viewport()->grab().toImage().pixelColor(p); }
    // The cell found at the middle of where cell (r, c) is shown.
    QPoint At(int r, int c) const {
        const QModelIndex i = grid->indexAt(Rect(r, c).center());
        return i.isValid() ? QPoint(i.row(), i.column()) : QPoint(-1, -1);
    }

    QWidget host;
    FlexGrid* grid = nullptr;
};

TEST_F(ScrolledGrid, TitlesStayInViewWhileTheCurrentCellIsBroughtBesideThem) {
    host.show();
    for (const auto& [r, c] : {std::pair{18, 20}, {1, 1}, {10, 15}, {2, 3}}) {
        grid->SetRow(r);
        grid->SetCol(c);
        EXPECT_TRUE(Data().contains(Rect(r, c))) << r << "," << c;
        // The titles of that row and column are where they always are.
        EXPECT_EQ(Rect(0, c).top(), 0);
        EXPECT_EQ(Rect(r, 0).left(), 0);
        EXPECT_EQ(At(0, c), QPoint(0, c));
        EXPECT_EQ(At(r, 0), QPoint(r, 0));
        EXPECT_EQ(At(r, c), QPoint(r, c));
    }
    // Scrolled far, a title is painted over the data that went beneath it.
    grid->SetRow(18);
    grid->SetCol(20);
    ASSERT_GT(grid->verticalScrollBar()->value(), 0);
    ASSERT_GT(grid->horizontalScrollBar()->value(), 0);
    const QColor face = plat::ToQColor(rt::kButtonFace);
    EXPECT_EQ(Pixel(Rect(0, 20).topLeft() + QPoint(2, 2)), face);
    EXPECT_EQ(Pixel(Rect(18, 0).topLeft() + QPoint(2, 2)), face);
    EXPECT_NE(Pixel(Rect(18, 19).topLeft() + QPoint(2, 2)), face);
    testsupport::SaveGrab(grid, "grid_scrolled");

    // A press on a title over scrolled data selects nothing.
    QString log;
    grid->EnterCell = [&] { log += "E"; };
    grid->MouseDown = [&](int, int, double, double) { log += "M"; };
    const QPoint title = Rect(0, 19).center();
    QMouseEvent press(QEvent::MouseButtonPress, title, grid->viewport()->mapToGlobal(title), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(grid->viewport(), &press);
    EXPECT_EQ(log, "M");
    EXPECT_EQ(grid->Row(), 18);
}

TEST_F(ScrolledGrid, CodeMovingTheCursorWhileHiddenScrollsOnlyWhenShown) {
    grid->SetRow(18);
    grid->SetCol(20);
    EXPECT_EQ(grid->verticalScrollBar()->value(), 0);
    EXPECT_EQ(grid->horizontalScrollBar()->value(), 0);
    grid->SetRow(1);
    grid->SetCol(1);
    host.show();
    // The cell set last is in view already: nothing moves.
    EXPECT_EQ(grid->verticalScrollBar()->value(), 0);
    EXPECT_EQ(grid->horizontalScrollBar()->value(), 0);
    EXPECT_EQ(Rect(1, 1).topLeft(), Data().topLeft());

    host.hide();
    grid->SetRow(15);
    grid->SetCol(12);
    host.show();
    EXPECT_TRUE(Data().contains(Rect(15, 12)));
    EXPECT_EQ(At(0, 12), QPoint(0, 12));
}

}  // namespace
