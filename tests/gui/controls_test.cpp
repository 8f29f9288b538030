#include "core/report/table_text.h"
#include "gui/controls/multi_list_box.h"
#include "gui/controls/number_edit.h"

#include <QApplication>
#include <QClipboard>
#include <QMessageBox>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <memory>

namespace {

// A table filled the way the screens fill it, shown so that its lists lay out.
std::unique_ptr<ptMultiListBox> ShownTable(int columns, int rows) {
    auto table = std::make_unique<ptMultiListBox>(nullptr, 103, columns);
    table->resize(400, 200);
    table->show();
    for (int r = 0; r < rows; ++r) {
        QStringList cells;
        for (int c = 0; c < columns; ++c)
            cells << QStringLiteral("r%1c%2").arg(r).arg(c);
        table->AddRow(cells);
    }
    // the completed row is selected once control is back in the event loop
    QCoreApplication::processEvents();
    return table;
}

int SelectedRow(const ptListBox* column) {
    const QList<QListWidgetItem*> selected = column->selectedItems();
    return selected.size() == 1 ? column->row(selected.first()) : -1;
}

QPoint LineCentre(ptListBox* column, int row) {
    return column->visualItemRect(column->item(row)).center();
}

} // namespace

class ControlsTest : public QObject {
    Q_OBJECT
private slots:
    void EditTakesDigitsOneDecimalCharOneMinus() {
        ptEditNum edit(nullptr, 101, 0);
        QTest::keyClicks(&edit, "1.2.3");
        QCOMPARE(edit.text(), QStringLiteral("1.23"));
        edit.clear();
        QTest::keyClicks(&edit, "ab1 2-4-");
        QCOMPARE(edit.text(), QStringLiteral("12-4"));
        // keys without text and control keys still edit
        QTest::keyClick(&edit, Qt::Key_Backspace);
        QTest::keyClick(&edit, Qt::Key_Home);
        QTest::keyClick(&edit, Qt::Key_Delete);
        QCOMPARE(edit.text(), QStringLiteral("2-"));
        // the text as it stands counts, not what a replaced selection would leave
        edit.setText(QStringLiteral("1.5"));
        edit.selectAll();
        QTest::keyClick(&edit, '.');
        QCOMPARE(edit.text(), QStringLiteral("1.5"));
        // a comma is the decimal char by habit on many desktops: it enters the field's own, once
        edit.clear();
        QTest::keyClicks(&edit, "150,5,.");
        QCOMPARE(edit.text(), QStringLiteral("150.5"));
        QCOMPARE(edit.GetValue(), 150.5f);
    }

    void EditTextLimitCountsTheTerminatingZero() {
        ptEditNum edit(nullptr, 101, 8);
        QTest::keyClicks(&edit, "123456789");
        QCOMPARE(edit.text(), QStringLiteral("1234567"));
        // the limit is for typing: what the program writes is shown whole
        edit.SetValue(75.399994f);
        QCOMPARE(edit.text(), QStringLiteral("75.399994"));
        QCOMPARE(edit.GetValue(), 75.399994f);
        QTest::keyClick(&edit, '1');
        QCOMPARE(edit.text(), QStringLiteral("75.399994"));
        edit.selectAll();
        QTest::keyClick(&edit, '1');
        QCOMPARE(edit.text(), QStringLiteral("1"));
    }

    void EditPasteReadsANumberOrSaysWhyNot() {
        QWidget window;
        auto* edit = new ptEditNum(&window, 101, 8);
        window.show();
        QStringList messages;
        // a paste that is refused says so in a message box and leaves the field alone
        auto paste = [&](const QString& text) {
            QGuiApplication::clipboard()->setText(text);
            QTimer::singleShot(0, [&messages] {
                if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                    messages << box->text();
                    box->accept();
                }
            });
            QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
            QCoreApplication::processEvents();
        };
        paste(QStringLiteral(" 150,5\n"));
        QCOMPARE(edit->text(), QStringLiteral("150.5"));
        QVERIFY(messages.isEmpty());
        edit->selectAll();
        for (const QString& bad : {QStringLiteral("1.234,5"), QStringLiteral("12abc"), QStringLiteral("-")}) {
            paste(bad);
            QCOMPARE(edit->text(), QStringLiteral("150.5"));
        }
        QCOMPARE(messages.size(), 3);
        QCOMPARE(messages.value(0),
                 QStringLiteral("The pasted text \"1.234,5\" is not a number. The field is left as it was."));
        // the outcome counts: in place of the selection, it must be a number within the limit
        edit->setSelection(0, 3);
        paste(QStringLiteral("2,25"));
        QCOMPARE(edit->text(), QStringLiteral("150.5"));
        paste(QStringLiteral("12345678"));
        QCOMPARE(edit->text(), QStringLiteral("150.5"));
        QCOMPARE(messages.size(), 5);
        QCOMPARE(messages.value(4),
                 QStringLiteral("The pasted number \"12345678\" does not fit: this field takes at most 7 characters."));
        edit->selectAll();
        paste(QStringLiteral("2,25"));
        QCOMPARE(edit->text(), QStringLiteral("2.25"));
        QCOMPARE(messages.size(), 5);
    }

    void EditFocusSignalsOnlyForARealChangeOfFocus() {
        ptEditNum edit(nullptr, 101, 0);
        QSignalSpy in(&edit, &ptEditNum::focusIn);
        QSignalSpy out(&edit, &ptEditNum::focusOut);
        // a context menu or another window taking over is no change of focus in the screen
        for (Qt::FocusReason reason : {Qt::PopupFocusReason, Qt::ActiveWindowFocusReason}) {
            QFocusEvent leave(QEvent::FocusOut, reason);
            QCoreApplication::sendEvent(&edit, &leave);
            QFocusEvent back(QEvent::FocusIn, reason);
            QCoreApplication::sendEvent(&edit, &back);
        }
        QCOMPARE(out.count() + in.count(), 0);
        for (Qt::FocusReason reason : {Qt::TabFocusReason, Qt::MouseFocusReason, Qt::OtherFocusReason}) {
            QFocusEvent leave(QEvent::FocusOut, reason);
            QCoreApplication::sendEvent(&edit, &leave);
        }
        QCOMPARE(out.count(), 3);
    }

    void EditValue() {
        ptEditNum edit(nullptr, 101, 0);
        edit.SetValue(12.0f);
        QCOMPARE(edit.text(), QStringLiteral("12.0"));
        edit.SetValue(42);
        QCOMPARE(edit.text(), QStringLiteral("42"));
        edit.setText(QStringLiteral("-3.75x"));
        QCOMPARE(edit.GetValue(), -3.75f);
        edit.SetDecimalChar(',');
        edit.SetValue(2.5f);
        QCOMPARE(edit.text(), QStringLiteral("2,5"));
    }

    void EmptyTableHasNothingToSelect() {
        auto table = ShownTable(5, 0);
        QCOMPARE(table->ScrollRange(), std::make_pair(0, 0));
        QCOMPARE(table->SetSelIndex(0), -1);
        QCOMPARE(table->property("controlId").toInt(), 103);
        QCOMPARE(table->Column[4]->property("controlId").toInt(), 2004);
        QCOMPARE(table->Header[0]->property("controlId").toInt(), 2250);
        QCOMPARE(table->ScrollBar->property("controlId").toInt(), 2051);
    }

    void ColumnsAreCappedAtTwentyOne() {
        ptMultiListBox table(nullptr, 103, 30);
        QCOMPARE(table.GetNumColumns(), 21);
        table.AddRow(QStringList{});
        QCoreApplication::processEvents();
        QCOMPARE(SelectedRow(table.Column[0]), 0);
    }

    void LastCellCompletesAndSelectsTheRow() {
        auto table = ShownTable(3, 3);
        for (int c = 0; c < 3; ++c)
            QCOMPARE(SelectedRow(table->Column[c]), 2);
        QCOMPARE(table->ScrollBar->value(), 2);
        QCOMPARE(table->ScrollRange(), std::make_pair(0, 2));
        table->Column[0]->AddString(QStringLiteral("a"));
        table->Column[1]->AddString(QStringLiteral("b"));
        QCOMPARE(table->GetSelIndex(), 2);
        QCOMPARE(SelectedRow(table->Column[0]), 2);
        QCOMPARE(table->ScrollRange(), std::make_pair(0, 2));
        // an insert reports the line asked for; -1 (append) thus selects the first line
        QCOMPARE(table->Column[2]->InsertString(QStringLiteral("c"), 1), 1);
        QCOMPARE(table->GetSelIndex(), 1);
        table->AddRow(QStringList{});
        table->Column[2]->InsertString(QStringLiteral("d"), -1);
        QCOMPARE(table->GetSelIndex(), 0);
    }

    void SelIndexNeedsTheLineInEveryColumn() {
        auto table = ShownTable(3, 4);
        QCOMPARE(table->SetSelIndex(-5), 0);
        QCOMPARE(SelectedRow(table->Column[2]), 0);
        QCOMPARE(table->SetSelIndex(4), -1);
        table->Column[0]->AddString(QStringLiteral("a"));
        QCOMPARE(table->SetSelIndex(4), -1);
        QCOMPARE(table->GetSelIndex(), 0);
        QCOMPARE(table->ScrollBar->value(), 0);
        // every column was asked: the one that had the line shows it
        QCOMPARE(SelectedRow(table->Column[0]), 4);
        QCOMPARE(SelectedRow(table->Column[2]), 0);
    }

    void ClearKeepsTheHeaders() {
        auto table = ShownTable(3, 3);
        table->SetHeader(0, QStringLiteral("Torque"), QStringLiteral("Nm"));
        table->ClearList();
        QCOMPARE(table->ScrollRange(), std::make_pair(0, -1));
        QCOMPARE(table->Column[2]->GetCount(), 0);
        QCOMPARE(table->Header[0]->GetCount(), 2);
    }

    void ClickAndKeysSelectTheRowEverywhere() {
        auto table = ShownTable(3, 4);
        QSignalSpy changed(table.get(), &ptMultiListBox::selectionChanged);
        QSignalSpy doubled(table.get(), &ptMultiListBox::doubleClicked);
        ptListBox* column = table->Column[1];
        QTest::mouseClick(column->viewport(), Qt::LeftButton, {}, LineCentre(column, 1));
        for (int c = 0; c < 3; ++c)
            QCOMPARE(SelectedRow(table->Column[c]), 1);
        QCOMPARE(table->ScrollBar->value(), 1);
        QCOMPARE(changed.count(), 1);
        QCOMPARE(changed.first().first().toInt(), 1);
        QTest::keyClick(column, Qt::Key_Down);
        QCOMPARE(SelectedRow(table->Column[0]), 2);
        QCOMPARE(changed.count(), 2);
        // a user's double click starts with a plain click on the same line
        QTest::mouseClick(column->viewport(), Qt::LeftButton, {}, LineCentre(column, 3));
        QTest::mouseDClick(column->viewport(), Qt::LeftButton, {}, LineCentre(column, 3));
        QCOMPARE(doubled.count(), 1);
        QCOMPARE(doubled.first().first().toInt(), 3);
        QCOMPARE(changed.count(), 3);
    }

    void ColumnsScrollTogether() {
        auto table = ShownTable(3, 60);
        ptListBox* last = table->Column[2];
        const int top = last->verticalScrollBar()->value();
        QVERIFY(top > 0);
        for (int c = 0; c < 2; ++c)
            QCOMPARE(table->Column[c]->verticalScrollBar()->value(), top);
        const QPoint at = LineCentre(last, 59);
        QWheelEvent wheel(at, last->viewport()->mapToGlobal(at), QPoint(), QPoint(0, 120), Qt::NoButton, Qt::NoModifier,
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(last->viewport(), &wheel);
        const int moved = last->verticalScrollBar()->value();
        QVERIFY(moved < top);
        QCOMPARE(table->Column[0]->verticalScrollBar()->value(), moved);
        // the table's own scroll bar only mirrors the selection
        table->ScrollBar->setValue(10);
        QCOMPARE(SelectedRow(table->Column[0]), 59);
        QCOMPARE(table->Column[0]->verticalScrollBar()->value(), moved);
    }

    void GeometryFollowsTheLayoutRule() {
        QWidget dialog;
        ptMultiListBox* table = new ptMultiListBox(&dialog, 103, 6);
        const std::vector<float> factors{0.65f, 0.8f, 0.8f, 1.35f, 1.35f, 1.0f};
        std::copy(factors.begin(), factors.end(), table->ColumnWidth);
        table->resize(615, 300);
        dialog.resize(700, 400);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        for (QSize size : {QSize(615, 300), QSize(357, 120)}) {
            table->resize(size);
            const std::vector<ColumnRect> rects = ColumnLayout(size.width(), size.height(), factors);
            for (int i = 0; i < 6; ++i) {
                const ColumnRect& r = rects[i];
                QCOMPARE(table->Column[i]->geometry(), QRect(r.x, r.y, r.width, r.height));
                QCOMPARE(table->Header[i]->geometry(), QRect(r.x, 0, r.width, 32));
            }
            QCOMPARE(table->ScrollBar->geometry(), QRect(size.width() - 15, 0, 15, size.height()));
        }
        QCOMPARE(table->Column[5]->x(), 279);
    }

    void ColumnsGiveTheDatasheetTable() {
        auto table = ShownTable(3, 0);
        table->SetHeader(0, QStringLiteral("Torque"), QStringLiteral("Nm"));
        table->SetHeader(1, QStringLiteral("Type"));
        table->SetHeader(2, QStringLiteral("Temp."), QStringLiteral("°C"));
        table->AddRow({QStringLiteral("100"), QStringLiteral("RPD 52"), QStringLiteral("20")});
        table->AddRow({QStringLiteral("2500"), QStringLiteral("---")});
        const std::vector<std::string> lines = GenericTableText(table->Columns());
        QCOMPARE(lines[0], std::string("Torque  Type    Temp."));
        QCOMPARE(lines[1], std::string("[Nm]            [°C] "));
        QCOMPARE(lines[5], std::string("2500    ---          "));
        // setting a header again replaces it
        table->SetHeader(0, QStringLiteral("Force"));
        QCOMPARE(table->Columns()[0].header, std::vector<std::string>{"Force"});
    }
};

QTEST_MAIN(ControlsTest)
#include "controls_test.moc"
