#include "platform/errors.h"
#include "schedule/gridpainter.h"
#include "schedule/plannergrid.h"

#include <QApplication>
#include <QPainter>
#include <QSignalSpy>
#include <QTest>

namespace {

// Friday 19 January 2024: columns Friday, Saturday, Sunday, Monday.
const QDate friday(2024, 1, 19);

bool near(QRgb pixel, const QColor &colour, int tolerance = 2)
{
    return qAbs(qRed(pixel) - colour.red()) <= tolerance && qAbs(qGreen(pixel) - colour.green()) <= tolerance
        && qAbs(qBlue(pixel) - colour.blue()) <= tolerance;
}

AppointmentItem appointment(const QString &key, int dayOffset, QTime start, QTime end, qint64 colour)
{
    AppointmentItem a;
    a.key = key;
    a.start = QDateTime(friday.addDays(dayOffset), start);
    a.end = QDateTime(friday.addDays(dayOffset), end);
    a.caption = QStringLiteral("Eftersyn");
    a.colour = colour;
    return a;
}

} // namespace

class TestPlannerGrid : public QObject
{
    Q_OBJECT

    std::unique_ptr<PlannerGrid> grid;

private slots:
    void init()
    {
        // GIVEN four day columns from a Friday, 08:00 to 16:00 in 30-minute rows of 20 px,
        // with the built-in opening hours (weekdays 08-16, weekend closed)
        grid = std::make_unique<PlannerGrid>();
        grid->setRegionalSettings(RegionalSettings::danish());
        grid->resize(600, 500);
        grid->setNumberOfDays(4);
        grid->setDay(friday);
        grid->setDisplayScale(20);
        grid->ApplyTimeLayout({ 30, 16, 31 }, LoadOpeningHours({}, false));
        grid->show();
        QVERIFY(QTest::qWaitForWindowExposed(grid.get()));
    }
    void cleanup() { grid.reset(); }

    void closedSaturdayIsSilverAndOpenWeekdayWhite()
    {
        const QImage image = grid->viewport()->grab().toImage();
        const QPoint weekday = grid->cellRect(0, 3).center();
        const QPoint saturday = grid->cellRect(1, 3).center();
        QVERIFY2(qGray(image.pixel(weekday)) >= 0xEE, qPrintable(QColor(image.pixel(weekday)).name()));
        QVERIFY(near(image.pixel(saturday), GridLook::colorNonActive));
        QCOMPARE(grid->columnHeading(1), QStringLiteral("20-01-2024"));
    }

    void blockIsDrawnInItsColourWhereItsRectangleIs()
    {
        // WHEN a pure blue appointment (0x00BBGGRR) is given on Monday 09:00-12:00
        grid->setItems({ appointment(QStringLiteral("{A}"), 3, QTime(9, 0), QTime(12, 0), 0xFF0000) });
        const QRect rect = grid->itemRect(QStringLiteral("{A}"));
        QVERIFY(rect.isValid());
        QCOMPARE(rect.top(), grid->cellRect(3, 2).top());
        const QImage image = grid->viewport()->grab().toImage();
        // THEN the body's first bands, below the caption bar, are blue, shading to grey at the
        // bottom; the caption bar is white and the gap beside the block is not blue
        const QPoint firstBand(rect.right() - 4, rect.top() + 22);
        QVERIFY2(near(image.pixel(firstBand), QColor(0, 0, 255), 40),
            qPrintable(QColor(image.pixel(firstBand)).name()));
        QVERIFY(near(image.pixel(QPoint(rect.right() - 4, rect.bottom() - 3)), GridLook::buttonFace, 12));
        QVERIFY(near(image.pixel(QPoint(rect.left() + 3, rect.top() + 3)), Qt::white));
        const QPoint gap(grid->cellRect(3, 4).right() - 4, rect.center().y());
        QVERIFY(!near(image.pixel(gap), QColor(0, 0, 255), 60));

        // AND selected, it lies on the tooltip yellow
        QVERIFY(grid->selectItem(QStringLiteral("{A}")));
        const QImage selected = grid->viewport()->grab().toImage();
        QVERIFY(near(selected.pixel(firstBand), GridLook::tooltipYellow));
    }

    void mouseSelectsRunsAndBlocks()
    {
        grid->setItems({ appointment(QStringLiteral("{A}"), 0, QTime(9, 0), QTime(10, 0), 255) });
        QSignalSpy rightClicks(grid.get(), &PlannerGrid::plannerRightClick);
        QSignalSpy itemClicks(grid.get(), &PlannerGrid::itemRightClick);
        QWidget *area = grid->viewport();

        // WHEN cells 3..5 of column 2 are dragged over
        QTest::mousePress(area, Qt::LeftButton, {}, grid->cellRect(2, 3).center());
        QTest::mouseMove(area, grid->cellRect(2, 5).center());
        QTest::mouseRelease(area, Qt::LeftButton, {}, grid->cellRect(2, 5).center());
        QCOMPARE(grid->selectedPosition(), 2);
        QCOMPARE(grid->selectionStartRow(), 3);
        QCOMPARE(grid->selectionEndRow(), 6);
        QCOMPARE(grid->cellTime(2, 3), QDateTime(friday.addDays(2), QTime(9, 30)));

        // WHEN the block is clicked it is selected, with its times as texts
        QTest::mouseClick(area, Qt::LeftButton, {}, grid->itemRect(QStringLiteral("{A}")).center());
        QCOMPARE(grid->selectedItemCount(), 1);
        QCOMPARE(grid->selectedItem()->key, QStringLiteral("{A}"));
        QCOMPARE(grid->selectedStartText(), QStringLiteral("9:00"));
        QCOMPARE(grid->selectedEndText(), QStringLiteral("10:00"));

        // WHEN it is right-clicked, its key is reported; a right click elsewhere clears it
        QTest::mouseClick(area, Qt::RightButton, {}, grid->itemRect(QStringLiteral("{A}")).center());
        QCOMPARE(itemClicks.size(), 1);
        QCOMPARE(itemClicks.first().first().toString(), QStringLiteral("{A}"));
        QTest::mouseClick(area, Qt::RightButton, {}, grid->cellRect(1, 7).center());
        QCOMPARE(rightClicks.size(), 1);
        QCOMPARE(grid->selectedItemCount(), 0);
        QCOMPARE(grid->selectedPosition(), 1);

        // WHEN the time column is clicked, the position is -1
        QTest::mouseClick(area, Qt::LeftButton, {}, QPoint(20, grid->cellRect(0, 2).center().y()));
        QCOMPARE(grid->selectedPosition(), -1);
    }

    void keysMoveAndExtendTheSelectionAndScroll()
    {
        grid->setFocus();
        grid->setDisplayScale(40); // 16 rows of 40 px: more than the view holds
        grid->selectCells(1, 2, 3);
        QTest::keyClick(grid.get(), Qt::Key_Down);
        QCOMPARE(grid->selectionStartRow(), 3);
        QTest::keyClick(grid.get(), Qt::Key_Down, Qt::ShiftModifier);
        QTest::keyClick(grid.get(), Qt::Key_Down, Qt::ShiftModifier);
        QCOMPARE(grid->selectionStartRow(), 3);
        QCOMPARE(grid->selectionEndRow(), 6);
        QTest::keyClick(grid.get(), Qt::Key_Right);
        QCOMPARE(grid->selectedPosition(), 2);
        QCOMPARE(grid->selectionEndRow() - grid->selectionStartRow(), 1);
        for (int i = 0; i < 12; ++i)
            QTest::keyClick(grid.get(), Qt::Key_Down);
        QCOMPARE(grid->selectionStartRow(), 15);
        const QRect last = grid->cellRect(2, 15);
        QVERIFY2(last.bottom() <= grid->viewport()->height(), "the selection stays in view");
        // Insert and Delete do nothing.
        QTest::keyClick(grid.get(), Qt::Key_Delete);
        QTest::keyClick(grid.get(), Qt::Key_Insert);
        QCOMPARE(grid->selectionStartRow(), 15);
    }

    void headingButtonsStepTheDay()
    {
        QSignalSpy next(grid.get(), &PlannerGrid::plannerNext);
        QSignalSpy previous(grid.get(), &PlannerGrid::plannerPrevious);
        const GridGeometry g = grid->geometry();
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, g.nextButtonRect().center().toPoint());
        QCOMPARE(grid->day(), friday.addDays(1));
        QCOMPARE(next.size(), 1);
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, g.previousButtonRect().center().toPoint());
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, g.previousButtonRect().center().toPoint());
        QCOMPARE(grid->day(), friday.addDays(-1));
        QCOMPARE(previous.size(), 2);
    }

    void invalidCellCoordinatesAreRefused_data()
    {
        QTest::addColumn<int>("p");
        QTest::addColumn<int>("row");
        QTest::newRow("negative position") << -1 << 0;
        QTest::newRow("negative row") << 0 << -1;
    }
    void invalidCellCoordinatesAreRefused()
    {
        QFETCH(int, p);
        QFETCH(int, row);
        try {
            grid->cellTime(p, row);
            QFAIL("no error");
        } catch (const MirvoError &e) {
            QCOMPARE(e.message(), QStringLiteral("Invalid cell coordinates"));
        }
    }

    void zoomWidensOneColumnOnlyWithFixedWidths()
    {
        QVERIFY(!grid->zoomColumn(0)); // automatic widths
        grid->setPositionWidth(80);
        grid->setPositionZoomWidth(200);
        QVERIFY(!grid->zoomColumn(4));
        QVERIFY(grid->zoomColumn(1));
        QCOMPARE(grid->columnWidth(1), 200.0);
        QCOMPARE(grid->columnWidth(2), 80.0);
        QVERIFY(grid->unzoomColumn(1));
        QCOMPARE(grid->columnWidth(1), 80.0);
    }

    void printingPaintsTheWholeViewOnOnePage()
    {
        grid->setItems({ appointment(QStringLiteral("{A}"), 0, QTime(15, 0), QTime(15, 30), 0xFF0000) });
        QImage page(700, 1000, QImage::Format_RGB32);
        page.fill(Qt::black);
        QPainter painter(&page);
        grid->paintView(painter, QRectF(0, 0, 700, 1000));
        painter.end();
        // The last row (15:30) reaches the page's bottom; the 15:00 block lies on the page.
        const qreal rowHeight = (1000 - 40 - 1) / 16.0;
        const int lastRowY = int(40 + 15.5 * rowHeight);
        QVERIFY(qGray(page.pixel(100, lastRowY)) > 0xE0);
        const int blockBand = int(40 + 14 * rowHeight) + 22;
        QVERIFY2(near(page.pixel(140, blockBand), QColor(0, 0, 255), 60),
            qPrintable(QColor(page.pixel(140, blockBand)).name()));
    }
};

QTEST_MAIN(TestPlannerGrid)
#include "tst_plannergrid.moc"
