// The embedded-message and test-frequency dialogs: input rules, frequency check, close note.
#include "TestSupport.h"
#include "core/Language.h"
#include "functions/EmbeddedMessage.h"
#include "functions/TestFrequency.h"
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QtTest>

namespace {
// The limits of the frequency check: model 300..650 MHz, band 400..470 MHz.
void SetLimits() {
  AppState.MaxFreq = 650;
  AppState.MinFreq = 300;
  AppState.BandLow = 400;
  AppState.BandHigh = 470;
}
}

class TstFunctionDialogs : public QObject {
  Q_OBJECT
private slots:
  void messageKeyFilter_data();
  void messageKeyFilter();
  void messageEnterPressesNothing();
  void frequencyCheck_data();
  void frequencyCheck();
  void tableLayout();
  void closeNote_data();
  void closeNote();
  void cellEditorCheckedOnce();
};

void TstFunctionDialogs::messageKeyFilter_data() {
  QTest::addColumn<QString>("typed");
  QTest::addColumn<QString>("kept");
  QTest::newRow("minus dropped") << "a-b" << "ab";
  QTest::newRow("letters digits space") << "Zq 09" << "Zq 09";
  QTest::newRow("punctuation") << "._!?~" << "";
  QTest::newRow("33rd character") << QString(33, 'x') << QString(32, 'x');
}

void TstFunctionDialogs::messageKeyFilter() {
  QFETCH(QString, typed);
  QFETCH(QString, kept);
  TFreshState state;
  const TImage before = AppState.Image;
  TfEmbeddedMessage dialog;
  dialog.show();
  for (QLineEdit *box : {dialog.edEMA, dialog.edEMB}) {
    QTest::keyClicks(box, typed);
    QCOMPARE(box->text(), kept);
  }
  dialog.edEMA->clear();
  dialog.edEMA->insert(typed + QChar(0xE9));   // pasted text is filtered the same way
  QCOMPARE(dialog.edEMA->text(), kept);
  QVERIFY(AppState.Image == before);
  QVERIFY(!AppState.Modified);
}

void TstFunctionDialogs::messageEnterPressesNothing() {
  TFreshState state;
  TfEmbeddedMessage dialog;
  dialog.show();
  QTest::keyClicks(dialog.edEMA, "ab");
  QTest::keyClick(dialog.edEMA, Qt::Key_Return);
  QTest::keyClick(dialog.edEMA, Qt::Key_Enter);
  QVERIFY(dialog.isVisible());
  QCOMPARE(dialog.edEMA->text(), QString("ab"));
  QTest::keyClick(dialog.edEMA, Qt::Key_Backspace);
  QCOMPARE(dialog.edEMA->text(), QString("a"));
  dialog.btnOk->click();
  QCOMPARE(dialog.result(), int(QDialog::Accepted));
}

void TstFunctionDialogs::frequencyCheck_data() {
  QTest::addColumn<QString>("entry");
  QTest::addColumn<QString>("cell");
  QTest::addColumn<QString>("message");
  QTest::newRow("in band") << "435.5" << "435.50000" << "";
  QTest::newRow("above model") << "700" << "470.00000" << "ErrRange";
  QTest::newRow("below model") << "250" << "400.00000" << "ErrRange";
  QTest::newRow("above band") << "480" << "480.00000" << "OutRange";
  QTest::newRow("below band") << "350" << "350.00000" << "OutRange";
  QTest::newRow("five decimals") << "12345.12345" << "470.00000" << "ErrRange";
  QTest::newRow("not a number") << "4a" << "previous" << "";
  QTest::newRow("negative") << "-435" << "previous" << "";
  QTest::newRow("six digits") << "123456" << "previous" << "";
  QTest::newRow("six decimals") << "435.123456" << "previous" << "";
  QTest::newRow("point alone") << "." << "previous" << "";
  QTest::newRow("emptied") << "" << "" << "";
}

// Entries go through the same check as channel frequencies, but are not snapped to the raster.
void TstFunctionDialogs::frequencyCheck() {
  QFETCH(QString, entry);
  QFETCH(QString, cell);
  QFETCH(QString, message);
  TFreshState state;
  SetLimits();
  TfTestFrequency dialog;
  dialog.gvData->item(3, 2)->setText("previous");
  TMsgScript script;
  dialog.gvDataSetForeText(3, 2, entry);
  QCOMPARE(dialog.gvData->item(3, 2)->text(), cell);
  QCOMPARE(dialog.Edited, !message.isEmpty() || cell.endsWith('0'));
  if (message.isEmpty()) {
    QCOMPARE(script.Texts(), QStringList());
  } else {
    const QString text = message == "ErrRange" ? Messages.ErrRange : Messages.OutRange;
    QCOMPARE(script.Texts(), QStringList{text});
    QCOMPARE(script.Calls.front().Caption, Messages.Caution);
  }
  QCOMPARE(dialog.gvData->item(3, 1)->text(), QString());
}

void TstFunctionDialogs::tableLayout() {
  TFreshState state;
  TfTestFrequency dialog;
  QCOMPARE(dialog.gvData->rowCount(), 16);
  QCOMPARE(dialog.gvData->columnCount(), 3);
  QCOMPARE(dialog.gvData->horizontalHeaderItem(1)->text(), QString::fromUtf8("接收[MHz]"));
  for (int r = 0; r < 16; ++r) {
    QCOMPARE(dialog.gvData->item(r, 0)->text(), QString::number(r + 1));
    QVERIFY(!(dialog.gvData->item(r, 0)->flags() & Qt::ItemIsEditable));
    QVERIFY(dialog.gvData->item(r, 1)->flags() & Qt::ItemIsEditable);
    QCOMPARE(dialog.gvData->item(r, 1)->text(), QString());
  }
  QVERIFY(dialog.Label1->isHidden());
}

void TstFunctionDialogs::closeNote_data() {
  QTest::addColumn<bool>("entered");
  QTest::addColumn<QString>("how");
  QTest::newRow("nothing entered, ok") << false << "ok";
  QTest::newRow("nothing entered, cancel") << false << "cancel";
  QTest::newRow("entered, ok") << true << "ok";
  QTest::newRow("entered, cancel") << true << "cancel";
  QTest::newRow("entered, close box") << true << "close";
  QTest::newRow("entered, escape") << true << "escape";
}

void TstFunctionDialogs::closeNote() {
  QFETCH(bool, entered);
  QFETCH(QString, how);
  TFreshState state;
  SetLimits();
  const TImage before = AppState.Image;
  TMsgScript script;
  TfTestFrequency dialog;
  dialog.show();
  if (entered) dialog.gvDataSetForeText(0, 1, "435.5");
  if (how == "ok") dialog.btnOk->click();
  else if (how == "cancel") dialog.btnCancel->click();
  else if (how == "close") dialog.close();
  else QTest::keyClick(&dialog, Qt::Key_Escape);
  QVERIFY(!dialog.isVisible());
  if (!entered) {
    QVERIFY(script.Calls.empty());
  } else {
    QCOMPARE(script.Texts(),
             QStringList{"Test Frequency mismatch.#10#13Execute read data from radio or write to radio."});
    QCOMPARE(script.Calls.front().Caption, Messages.Confirmation);
    QCOMPARE(script.Calls.front().Kind, MsgInfo);
  }
  QVERIFY(AppState.Image == before);
  QVERIFY(!AppState.Modified);
}

// Typing into a cell and pressing Enter checks the entry once, even though the message box
// takes the focus from the cell editor while it is open.
void TstFunctionDialogs::cellEditorCheckedOnce() {
  TFreshState state;
  SetLimits();
  TfTestFrequency dialog;
  dialog.show();
  dialog.activateWindow();
  QApplication::processEvents();
  QVERIFY(dialog.isActiveWindow());
  int shown = 0;
  const TMsgHandler previous = SetMsgHandler([&](const QString &, const QString &, int, const QString &) {
    ++shown;
    QLineEdit box;   // stands for the modal message box: a window that takes the focus
    box.show();
    box.activateWindow();
    box.setFocus();
    QApplication::processEvents();
    return MsgOk;
  });
  dialog.gvData->setFocus();
  dialog.gvData->editItem(dialog.gvData->item(2, 1));
  auto *editor = dialog.gvData->findChild<QLineEdit *>();
  QVERIFY(editor);
  QTest::keyClicks(editor, "4x80");   // the cell's number form refuses the letter
  QTest::keyClick(editor, Qt::Key_Return);
  QApplication::processEvents();   // Enter commits through a queued call
  QCOMPARE(dialog.gvData->item(2, 1)->text(), QString("480.00000"));
  SetMsgHandler(previous);
  QCOMPARE(shown, 1);
  QVERIFY(dialog.Edited);
}

QTEST_MAIN(TstFunctionDialogs)
#include "tst_functiondialogs.moc"
