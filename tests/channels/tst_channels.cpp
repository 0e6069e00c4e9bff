// The channel table, the channel edit form and the tone picker.
#include "TestSupport.h"
#include "channels/BInfoEdit.h"
#include "channels/ChInfo.h"
#include "channels/ToneOption.h"
#include "channels/ToneTables.h"
#include "core/Language.h"
#include "image/Codecs.h"
#include "image/ImageRoutines.h"
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QRadioButton>
#include <QLineEdit>
#include <QSpinBox>
#include <QTableWidget>
#include <QTimer>
#include <QtTest>

namespace {
QByteArray Record(int channel) { return AppState.Image.Bytes(TChannelRecord::Offset(channel), TChannelRecord::Size); }
quint8 Flags(int channel) { return AppState.Image.Byte(TChannelRecord::Offset(channel) + TChannelRecord::Flags); }

void Activate(QWidget *w) {
  w->activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(w));
}

// Runs fn on the tone picker as soon as it is shown modally.
void OnPicker(std::function<void(TfToneOption *)> fn) {
  QTimer::singleShot(0, [fn] {
    auto *picker = qobject_cast<TfToneOption *>(QApplication::activeModalWidget());
    QVERIFY(picker);
    fn(picker);
  });
}
// Position of the cell showing text in a picker table.
QPoint FindCell(QTableWidget *t, const QString &text) {
  for (int r = 0; r < t->rowCount(); ++r)
    for (int c = 0; c < t->columnCount(); ++c)
      if (t->item(r, c) && t->item(r, c)->text() == text) return {c, r};
  return {-1, -1};
}
}

class TstChannels : public QObject {
  Q_OBJECT
  std::unique_ptr<TFreshState> State;
  std::unique_ptr<TMsgScript> Msgs;

  void TypeRx(TfChInfo &t, int channel, const QString &text) {
    t.gvData->item(channel - 1, TfChInfo::ColRx)->setText(text);
  }

private slots:
  void init() {
    State = std::make_unique<TFreshState>();
    Msgs = std::make_unique<TMsgScript>();
  }
  void cleanup() {
    Msgs.reset();
    State.reset();
  }

  void toneSourceList() {
    const QStringList &l = ToneSourceList();
    QCOMPARE(l.size(), 133);
    QCOMPARE(l.at(8), QStringLiteral("09-88.5-YB"));
    QCOMPARE(l.at(41), QStringLiteral("2A-254.1-0Z"));
    QVERIFY(l.at(42).isEmpty() && l.at(44).isEmpty());
    QCOMPARE(l.at(45), QStringLiteral("1-D023"));
    QCOMPARE(l.at(129), QStringLiteral("85-D754"));
    QVERIFY(l.contains(QStringLiteral("64-D525")));
    const TToneEntryParts ctcss = SplitToneEntry(QStringLiteral("09-88.5-YB"));
    QCOMPARE(ctcss.Second, QStringLiteral("88.5"));
    QCOMPARE(ctcss.Rest, QStringLiteral("YB"));
    QCOMPARE(SplitToneEntry(QStringLiteral("1-D023")).Second, QStringLiteral("D023"));
  }

  void pickerReturnsOnlyPickableCells_data() {
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("cell");
    QTest::addColumn<QString>("result");
    QTest::newRow("ctcss tone") << 0 << "88.5" << "88.5";
    QTest::newRow("tone the list lacks") << 0 << "206.5" << "206.5";
    QTest::newRow("index code") << 0 << "09" << "";
    QTest::newRow("letters") << 0 << "YB" << "";
    QTest::newRow("dcs-i code the list lacks") << 2 << "D525I" << "D525I";
    QTest::newRow("dcs-n") << 1 << "D754N" << "D754N";
  }
  void pickerReturnsOnlyPickableCells() {
    QFETCH(int, kind);
    QFETCH(QString, cell);
    QFETCH(QString, result);
    TfToneOption picker;
    picker.show();
    QRadioButton *kinds[] = {picker.rbCTCSS, picker.rbDCSN, picker.rbDCSI};
    kinds[kind]->setChecked(true);
    QVERIFY(picker.Tables[kind]->isVisible());
    const QPoint at = FindCell(picker.Tables[kind], cell);
    QVERIFY(at.x() >= 0);
    picker.TableDblClick(kind, at.y(), at.x());
    QCOMPARE(picker.Result, result);
    QCOMPARE(picker.isVisible(), result.isEmpty());   // a non-pickable cell leaves the dialog open
  }

  void pickerCaptionFollowsKind() {
    TfToneOption picker;
    picker.show();
    QCOMPARE(picker.gbCode->title(), QStringLiteral("CTCSS"));
    picker.rbDCSI->setChecked(true);
    QCOMPARE(picker.gbCode->title(), QStringLiteral("DCS-I"));
    QVERIFY(!picker.Tables[0]->isVisible() && picker.Tables[2]->isVisible());
    picker.reject();
    QVERIFY(picker.Result.isEmpty());
  }

  void typedReceiveFrequency_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("message");
    QTest::newRow("in band") << "460.0125" << "460.01250" << "";
    QTest::newRow("snapped down") << "460.0031" << "460.00000" << "";
    QTest::newRow("outside band") << "440" << "440.00000" << "Frequecy is Out of range.";
    QTest::newRow("above model") << "700" << "470.00000" << "The frequecy number come amiss!";
    QTest::newRow("below model") << "100" << "450.00000" << "The frequecy number come amiss!";
    QTest::newRow("not a number") << "4..5" << "470.00000" << "Frequecy is Out of range.";
  }
  void typedReceiveFrequency() {
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    QFETCH(QString, message);
    TfChInfo t;
    t.show();
    Activate(&t);
    TypeRx(t, 1, typed);
    QCOMPARE(t.gvData->item(0, TfChInfo::ColRx)->text(), shown);
    QCOMPARE(Msgs->Texts().join('|'), message);
    if (!message.isEmpty()) QCOMPARE(Msgs->Calls.front().Caption, QStringLiteral("Caution"));
    // A new channel: transmit = receive, no tones, high power, wide, the four features off.
    const TChannel ch = ReadChannel(1);
    QVERIFY(ch.Present);
    QCOMPARE(FreqText(ch.Tx), shown);
    QVERIFY(ch.RxTone.isEmpty() && ch.TxTone.isEmpty());
    QCOMPARE(Flags(1), quint8(0xFB));
    const QStringList row = [&] {
      QStringList l;
      for (int c = TfChInfo::ColTx; c < TfChInfo::ColumnCount; ++c) l << t.gvData->item(0, c)->text();
      return l;
    }();
    QCOMPARE(row, (QStringList{shown, "None", "None", "High", "Wide", "No", "No", "No", "No"}));
    QCOMPARE(t.HiddenValue(0, TfChInfo::ColNo), QStringLiteral("1"));
    QVERIFY(AppState.Modified);
  }

  void typingGoesThroughTheKeyFilter() {
    TfChInfo t;
    t.show();
    Activate(&t);
    t.gvData->setFocus();
    t.gvData->setCurrentCell(2, TfChInfo::ColRx);
    QTest::keyClick(t.gvData, 'a');   // a letter does not start typing
    QVERIFY(!t.gvData->Editor);
    QTest::keyClick(t.gvData, '4');
    QVERIFY(t.gvData->Editor);
    QTest::keyClicks(t.gvData->Editor, QStringLiteral("a6 0.5"));   // letters and blanks are dropped
    QTest::keyClick(t.gvData->Editor, Qt::Key_Return);
    QCoreApplication::processEvents();   // the cell editor commits on Enter once the key is handled
    QCOMPARE(t.gvData->item(2, TfChInfo::ColRx)->text(), QStringLiteral("460.50000"));
    QVERIFY(ReadChannel(3).Present);
    // The transmit cell of an empty row does not start typing.
    t.gvData->setCurrentCell(3, TfChInfo::ColTx);
    QTest::keyClicks(t.gvData, QStringLiteral("460"));
    QVERIFY(t.gvData->item(3, TfChInfo::ColTx)->text().isEmpty());
    QVERIFY(!ReadChannel(4).Present);
  }

  void clearingReceiveBlanksTheRecord() {
    TfChInfo t;
    t.show();
    Activate(&t);
    TypeRx(t, 2, QStringLiteral("460.0125"));
    TypeRx(t, 2, QStringLiteral("  "));
    QCOMPARE(Record(2), QByteArray(16, char(0xFF)));
    for (int c = TfChInfo::ColRx; c < TfChInfo::ColumnCount; ++c) QVERIFY(t.gvData->item(1, c)->text().isEmpty());
    QVERIFY(t.HiddenValue(1, TfChInfo::ColNo).isEmpty());
  }

  void clearingTransmitKeepsTheRest() {
    TfChInfo t;
    t.show();
    Activate(&t);
    TypeRx(t, 1, QStringLiteral("460.0125"));
    WriteChannelField(1, RxTone, QStringLiteral("88.5"));
    WriteChannelField(1, TxTone, QStringLiteral("D023N"));
    t.RefreshRow(1);
    const quint8 flags = Flags(1);
    t.gvData->item(0, TfChInfo::ColTx)->setText(QString());
    const TChannel ch = ReadChannel(1);
    QCOMPARE(ch.Tx, -1.0);
    QCOMPARE(ch.RxTone, QStringLiteral("88.5"));
    QVERIFY(ch.TxTone.isEmpty());
    QCOMPARE(Flags(1), flags);
    QCOMPARE(t.gvData->item(0, TfChInfo::ColTxTone)->text(), t.NoneText());
    // Without a transmit frequency the transmit-tone drop-down is not offered.
    t.gvData->setCurrentCell(0, TfChInfo::ColTxTone);
    QVERIFY(!t.cbDQT->isVisible());
  }

  void flagDropDownsWriteBits_data() {
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("bit");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<bool>("set");
    // A new channel is High, Wide and No: one step down or up in each list.
    QTest::newRow("narrow sets bit 2") << int(TfChInfo::ColWidth) << 2 << "Narrow" << true;
    QTest::newRow("low clears bit 3") << int(TfChInfo::ColPower) << 3 << "Low" << false;
    QTest::newRow("scan yes clears bit 4") << int(TfChInfo::ColScan) << 4 << "Yes" << false;
    QTest::newRow("busy lock yes clears bit 0") << int(TfChInfo::ColBusy) << 0 << "Yes" << false;
  }
  void flagDropDownsWriteBits() {
    QFETCH(int, column);
    QFETCH(int, bit);
    QFETCH(QString, shown);
    QFETCH(bool, set);
    TfChInfo t;
    t.show();
    Activate(&t);
    TypeRx(t, 5, QStringLiteral("460.0125"));
    t.gvData->setCurrentCell(4, column);
    QComboBox *box = column == TfChInfo::ColWidth ? t.cbkz : column == TfChInfo::ColPower ? t.cbfsgl : t.cbHave;
    QVERIFY(box->isVisible());
    QTest::keyClick(box, set ? Qt::Key_Down : Qt::Key_Up);
    QCOMPARE(t.gvData->item(4, column)->text(), shown);
    QCOMPARE(t.HiddenValue(4, column), QString::number(set ? 1 : 0));
    QCOMPARE(bool(Flags(5) >> bit & 1), set);
    QTest::keyClick(box, Qt::Key_Return);   // Enter hides the drop-down
    QVERIFY(!box->isVisible());
  }

  void toneDropDown_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("ctcss rounded") << "88.53" << "88.5" << QByteArray("\x85\x08", 2);
    QTest::newRow("letters dropped") << "8x8.5" << "88.5" << QByteArray("\x85\x08", 2);
    QTest::newRow("bad dcs") << "D8" << "D777N" << QByteArray("\x77\x87", 2);
    QTest::newRow("none") << "" << "None" << QByteArray("\xFF\xFF", 2);
  }
  void toneDropDown() {
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    QFETCH(QByteArray, bytes);
    TfChInfo t;
    t.show();
    Activate(&t);
    t.gvData->setCurrentCell(0, TfChInfo::ColRxTone);
    QVERIFY(!t.cbQT->isVisible());   // not offered in an empty row
    TypeRx(t, 1, QStringLiteral("460.0125"));
    t.gvData->setCurrentCell(0, TfChInfo::ColRx);
    t.gvData->setCurrentCell(0, TfChInfo::ColRxTone);
    QVERIFY(t.cbQT->isVisible());
    QCOMPARE(t.cbQT->currentText(), QStringLiteral("None"));
    t.cbQT->lineEdit()->clear();
    QTest::keyClicks(t.cbQT->lineEdit(), typed);
    QTest::keyClick(t.cbQT->lineEdit(), Qt::Key_Return);
    QCOMPARE(t.gvData->item(0, TfChInfo::ColRxTone)->text(), shown);
    QCOMPARE(Record(1).mid(TChannelRecord::RxTone, 2), bytes);
    QVERIFY(!t.cbQT->isVisible());
  }

  void leavingTheTableAppliesATypedTone() {
    TfChInfo t;
    t.show();
    Activate(&t);
    TypeRx(t, 1, QStringLiteral("460.0125"));
    t.gvData->setCurrentCell(0, TfChInfo::ColTxTone);
    t.cbDQT->lineEdit()->clear();
    QTest::keyClicks(t.cbDQT->lineEdit(), QStringLiteral("100"));
    t.HideEditors();   // what every main-window command does first
    QCOMPARE(t.gvData->item(0, TfChInfo::ColTxTone)->text(), QStringLiteral("100.0"));
    QCOMPARE(ReadChannel(1).TxTone, QStringLiteral("100.0"));
    QVERIFY(!t.cbDQT->isVisible());
  }

  void doubleClickOpensThePicker() {
    TfChInfo t;
    t.show();
    Activate(&t);
    TypeRx(t, 1, QStringLiteral("460.0125"));
    t.gvData->setCurrentCell(0, TfChInfo::ColTxTone);
    QVERIFY(t.cbDQT->isVisible());
    OnPicker([](TfToneOption *p) {
      p->rbDCSI->setChecked(true);
      const QPoint at = FindCell(p->Tables[2], QStringLiteral("D525I"));
      p->TableDblClick(2, at.y(), at.x());
    });
    QTest::mouseDClick(t.cbDQT->lineEdit(), Qt::LeftButton);
    QCOMPARE(t.gvData->item(0, TfChInfo::ColTxTone)->text(), QStringLiteral("D525I"));
    QCOMPARE(ReadChannel(1).TxTone, QStringLiteral("D525I"));
    QCOMPARE(t.cbDQT->currentText(), QStringLiteral("D525I"));
    // Closing the picker without a pick changes nothing.
    OnPicker([](TfToneOption *p) { p->reject(); });
    QTest::mouseDClick(t.cbDQT->lineEdit(), Qt::LeftButton);
    QCOMPARE(ReadChannel(1).TxTone, QStringLiteral("D525I"));
  }

  void selectingAnotherRowMovesCurrentChannel() {
    TfChInfo t;
    QSignalSpy selected(&t, &TfChInfo::ChannelSelected);
    t.show();
    Activate(&t);
    QCOMPARE(selected.count(), 0);
    t.gvData->setCurrentCell(6, TfChInfo::ColRx);
    QCOMPARE(AppState.CurrentChannel, 7);
    QCOMPARE(selected.count(), 1);
    t.gvData->setCurrentCell(6, TfChInfo::ColTx);
    QCOMPARE(selected.count(), 1);
  }

  void reportRows() {
    // A table made only for the report fills itself from the image.
    TfChInfo t;
    WriteChannelField(3, RxFreq, QStringLiteral("460.0125"));
    WriteChannelField(3, TxFreq, QStringLiteral("460.0125"));
    WriteChannelField(3, ScanOffBit, QStringLiteral("1"));
    WriteChannelField(3, BusyLockBit, QStringLiteral("1"));
    TReportTables tables;
    t.AddReportRows(tables);
    QCOMPARE(int(tables.myAdo.size()), 7);
    QCOMPARE(tables.myAdo[0].TypeName, QStringLiteral("Channel Information"));
    QCOMPARE(tables.myAdo[1].AField, QStringLiteral("Channel No.3"));
    QCOMPARE(tables.myAdo[2].AValue, QStringLiteral("460.01250"));
    QCOMPARE(tables.myAdo[3].BField, QStringLiteral("QT/DQT Enc"));
    QCOMPARE(tables.myAdo[6].BValue, QStringLiteral("No"));
  }

  // The channel edit form.

  void editFormOnEmptyChannel() {
    TfBInfoEdit e;
    QSignalSpy written(&e, &TfBInfoEdit::ChannelWritten);
    e.show();
    Activate(&e);
    QVERIFY(e.eRx->text().isEmpty() && e.eTX->text().isEmpty());
    QVERIFY(!e.eTX->isEnabled() && !e.cbQT->isEnabled() && !e.chsmtj->isEnabled());
    QVERIFY(e.eRx->isEnabled() && e.sexd->isEnabled());
    e.cbfsgl->setCurrentIndex(0);
    QTest::keyClicks(e.eRx, QStringLiteral("460.0125x"));
    QTest::keyClick(e.eRx, Qt::Key_Return);
    QCOMPARE(e.eRx->text(), QStringLiteral("460.01250"));
    QCOMPARE(e.eTX->text(), QStringLiteral("460.01250"));
    QVERIFY(e.eTX->isEnabled() && e.cbDQT->isEnabled() && e.chsmtj->isEnabled());
    const TChannel ch = ReadChannel(1);
    QVERIFY(ch.Present);
    QCOMPARE(ch.Tx, 460.0125);
    QVERIFY(ch.RxTone.isEmpty() && ch.TxTone.isEmpty());
    // Wide, low power as the box showed, no feature ticked (bits set), whisper off (bit 7).
    QCOMPARE(Flags(1), quint8(0xF3));
    QVERIFY(written.count() >= 1);
    QVERIFY(AppState.Modified);
  }

  void editFormReceiveNotANumber() {
    TfBInfoEdit e;
    e.show();
    Activate(&e);
    const QByteArray before = Record(1);
    QTest::keyClicks(e.eRx, QStringLiteral("4..5"));
    QTest::keyClick(e.eRx, Qt::Key_Return);
    QCOMPARE(Msgs->Texts(), QStringList{Messages.ErrRange});
    QCOMPARE(Record(1), before);
    QCOMPARE(e.eRx->text(), QStringLiteral("4..5"));
  }

  void editFormClearingFields() {
    WriteChannelField(1, RxFreq, QStringLiteral("460.0125"));
    WriteChannelField(1, TxFreq, QStringLiteral("465.0125"));
    WriteChannelField(1, TxTone, QStringLiteral("88.5"));
    TfBInfoEdit e;
    e.show();
    Activate(&e);
    QCOMPARE(e.cbDQT->currentText(), QStringLiteral("88.5"));
    e.eTX->selectAll();
    QTest::keyClick(e.eTX, Qt::Key_Backspace);
    QTest::keyClick(e.eTX, Qt::Key_Return);
    QVERIFY(!e.cbDQT->isEnabled());
    QCOMPARE(e.cbDQT->currentIndex(), 0);
    QCOMPARE(Record(1).mid(4, 4), QByteArray(4, char(0xFF)));
    QCOMPARE(Record(1).mid(10, 2), QByteArray(2, char(0xFF)));
    e.eRx->selectAll();
    QTest::keyClick(e.eRx, Qt::Key_Backspace);
    QTest::keyClick(e.eRx, Qt::Key_Return);
    QVERIFY(!ReadChannel(1).Present);
    QCOMPARE(Record(1).left(4), QByteArray(4, char(0xFF)));
    QVERIFY(!e.eTX->isEnabled());
  }

  void editFormToneBox_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::newRow("low ctcss") << "12" << "30.0";
    QTest::newRow("bad dcs") << "D8" << "D777N";
    QTest::newRow("list entry") << "D023I" << "D023I";
  }
  void editFormToneBox() {
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    WriteChannelField(1, RxFreq, QStringLiteral("460.0125"));
    WriteChannelField(1, TxFreq, QStringLiteral("460.0125"));
    TfBInfoEdit e;
    e.show();
    Activate(&e);
    e.cbDQT->setFocus();
    e.cbDQT->lineEdit()->selectAll();
    QTest::keyClicks(e.cbDQT->lineEdit(), typed);
    e.eRx->setFocus();   // leaving the box confirms it
    QCOMPARE(e.cbDQT->currentText(), shown);
    QCOMPARE(ReadChannel(1).TxTone, shown);
  }

  void editFormChannelNumber() {
    WriteChannelField(16, RxFreq, QStringLiteral("455.5"));
    TfBInfoEdit e;
    QSignalSpy stepped(&e, &TfBInfoEdit::ChannelStepped);
    e.show();
    Activate(&e);
    e.sexd->setFocus();
    e.sexd->selectAll();
    QTest::keyClicks(e.sexd, QStringLiteral("17"));
    QTest::keyClick(e.sexd, Qt::Key_Return);
    QCOMPARE(e.sexd->value(), 16);
    QCOMPARE(AppState.CurrentChannel, 16);
    QCOMPARE(e.eRx->text(), QStringLiteral("455.50000"));
    QCOMPARE(stepped.count(), 1);
  }

  void editFormCheckBoxesWriteInvertedBits() {
    WriteChannelField(1, RxFreq, QStringLiteral("460.0125"));
    WriteChannelField(1, TxFreq, QStringLiteral("460.0125"));
    TfBInfoEdit e;
    e.show();
    Activate(&e);
    const quint8 before = Flags(1);
    e.chsmtj->click();   // scan add on: bit 4 cleared
    QCOMPARE(Flags(1), quint8(before & ~0x10));
    e.cbkz->setCurrentIndex(1);
    emit e.cbkz->activated(1);
    QVERIFY(Flags(1) & 0x04);
  }
};

QTEST_MAIN(TstChannels)
#include "tst_channels.moc"
