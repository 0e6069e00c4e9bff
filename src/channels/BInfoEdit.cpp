#include "channels/BInfoEdit.h"
#include "channels/KeyFilter.h"
#include "channels/ToneOption.h"
#include "channels/ToneTables.h"
#include "core/AllClass.h"
#include "core/Language.h"
#include "core/ShowMsg.h"
#include "image/Codecs.h"
#include "image/FunctionSettings.h"
#include "image/ImageRoutines.h"
#include "shell/ChildWindow.h"
#include "shell/TranslateForm.h"
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>

namespace {
template <class T> T *Named(T *w, const char *name) {
  w->setObjectName(QString::fromLatin1(name));
  return w;
}
QString BitText(bool ticked) { return ticked ? QStringLiteral("0") : QStringLiteral("1"); }

// The channel number box takes any typed number and brings it into range when it is confirmed,
// so that 17 becomes 16 rather than being refused keystroke by keystroke.
class TChannelNumberBox : public QSpinBox {
public:
  using QSpinBox::QSpinBox;
  QValidator::State validate(QString &input, int &) const override {
    for (QChar c : input)
      if (!c.isDigit()) return QValidator::Invalid;
    bool ok = false;
    const int v = input.toInt(&ok);
    return ok && v >= minimum() && v <= maximum() ? QValidator::Acceptable : QValidator::Intermediate;
  }
  void fixup(QString &input) const override {
    input = QString::number(qBound(minimum(), input.toInt(), maximum()));
  }
};
}

TfBInfoEdit::TfBInfoEdit(QWidget *parent) : QWidget(parent) {
  setObjectName(QStringLiteral("fBInfoEdit"));
  setWindowTitle(QStringLiteral("Channel Edit"));

  pcInfo = Named(new QTabWidget(this), "pcInfo");
  tsInfo = Named(new QWidget, "tsInfo");
  pcInfo->addTab(tsInfo, QStringLiteral("Information"));

  const auto label = [this](const char *name, const char *text) {
    return Named(new QLabel(QString::fromLatin1(text), tsInfo), name);
  };
  Label1 = label("Label1", "Channel No.");
  Label2 = label("Label2", "RX Frequency[MHz]");
  Label3 = label("Label3", "TX Frequency[MHz]");
  Label4 = label("Label4", "QT/DQT Deconde");
  Label5 = label("Label5", "QT/DQT Encode");
  Label6 = label("Label6", "Wide/Narrow");
  Label7 = label("Label7", "TX Power");

  sexd = Named(new TChannelNumberBox(tsInfo), "sexd");
  sexd->setRange(1, Layout::ChannelCount);
  sexd->setKeyboardTracking(false);
  eRx = Named(new QLineEdit(tsInfo), "eRx");
  eTX = Named(new QLineEdit(tsInfo), "eTX");
  const QStringList tones = ToneDropDownItems();
  const auto toneBox = [&](const char *name) {
    auto *box = Named(new QComboBox(tsInfo), name);
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    box->setCompleter(nullptr);   // a typed tone stays as typed until it is confirmed
    box->setMaxVisibleItems(16);
    box->addItems(tones);
    box->setProperty("tag", -3);   // only "None" is translated
    return box;
  };
  cbQT = toneBox("cbQT");
  cbDQT = toneBox("cbDQT");
  cbkz = Named(new QComboBox(tsInfo), "cbkz");
  cbkz->addItems(WidthTexts());
  cbfsgl = Named(new QComboBox(tsInfo), "cbfsgl");
  cbfsgl->addItems(PowerTexts());
  const auto check = [this](const char *name, const char *text) {
    return Named(new QCheckBox(QString::fromLatin1(text), tsInfo), name);
  };
  chsmtj = check("chsmtj", "Scan Add");
  chfm = check("chfm", "Busy Lock");
  chCp = check("chCp", "Compander");
  chSr = check("chSr", "Scrambler");
  chWp = check("chWp", "Whisper");
  chpppy = check("chpppy", "Beat Shift");
  chWp->hide();
  chpppy->hide();
  btnClose = Named(new QPushButton(QStringLiteral("&Close"), this), "btnClose");

  auto *grid = new QGridLayout(tsInfo);
  const QList<QPair<QLabel *, QWidget *>> rows = {{Label1, sexd}, {Label2, eRx}, {Label3, eTX}, {Label4, cbQT},
                                                  {Label5, cbDQT}, {Label6, cbkz}, {Label7, cbfsgl}};
  for (int r = 0; r < rows.size(); ++r) {
    grid->addWidget(rows[r].first, r, 0);
    grid->addWidget(rows[r].second, r, 1);
    rows[r].first->setBuddy(rows[r].second);
  }
  grid->addWidget(chsmtj, 0, 2);
  grid->addWidget(chfm, 1, 2);
  grid->addWidget(chCp, 2, 2);
  grid->addWidget(chSr, 3, 2);
  grid->setColumnMinimumWidth(1, 130);
  grid->setColumnMinimumWidth(2, 110);
  grid->setRowStretch(rows.size(), 1);

  auto *layout = new QGridLayout(this);
  layout->addWidget(pcInfo, 0, 0, 1, 2);
  layout->addWidget(btnClose, 1, 1, Qt::AlignRight);
  layout->setSizeConstraint(QLayout::SetFixedSize);

  for (QWidget *w : {static_cast<QWidget *>(eRx), static_cast<QWidget *>(eTX)}) w->installEventFilter(this);
  for (QComboBox *box : {cbQT, cbDQT}) {
    box->installEventFilter(this);
    box->lineEdit()->installEventFilter(this);
    connect(box, &QComboBox::activated, this, [this, box] { ToneChange(box); });
  }
  connect(eRx, &QLineEdit::editingFinished, this, [this] { if (eRx->isModified()) eRxChange(); });
  connect(eTX, &QLineEdit::editingFinished, this, [this] { if (eTX->isModified()) eTXChange(); });
  connect(sexd, &QSpinBox::valueChanged, this, [this](int v) { if (!Loading) sexdChange(v); });
  for (QComboBox *box : {cbkz, cbfsgl})
    connect(box, &QComboBox::activated, this, [this] { WriteChannel(); });
  for (QCheckBox *box : {chsmtj, chfm, chCp, chSr, chWp, chpppy})
    connect(box, &QCheckBox::clicked, this, [this] { WriteChannel(); });
  connect(btnClose, &QPushButton::clicked, this, [this] { CloseChildWindow(this); });
}

// Closing a window with a cell or a box still being edited commits it while the children go;
// by then this window is no longer there to take the change.
TfBInfoEdit::~TfBInfoEdit() {
  for (QObject *child : findChildren<QObject *>()) disconnect(child, nullptr, this, nullptr);
}

void TfBInfoEdit::showEvent(QShowEvent *e) {
  ++Loading;
  TranslateIfSelected(this, true);
  QWidget::showEvent(e);
  --Loading;
  ShowChannel();
}

void TfBInfoEdit::EnableEditing(bool on) {
  for (QWidget *w : std::initializer_list<QWidget *>{eTX, cbQT, cbDQT, cbkz, cbfsgl, chsmtj, chfm, chCp, chSr,
                                                     chpppy})
    w->setEnabled(on);
}

void TfBInfoEdit::ClearEditing() {
  ++Loading;
  eRx->clear();
  eTX->clear();
  for (QComboBox *box : {cbQT, cbDQT, cbkz}) box->setCurrentIndex(0);
  for (QCheckBox *box : {chfm, chsmtj, chpppy, chCp, chSr}) box->setChecked(false);
  --Loading;
}

void TfBInfoEdit::ShowChannel() {
  ++Loading;
  sexd->setValue(AppState.CurrentChannel);
  const TChannel ch = ReadChannel(AppState.CurrentChannel);
  if (ch.Present) {
    EnableEditing(true);
    eRx->setText(FreqText(ch.Rx));
    const auto showTone = [](QComboBox *box, const QString &tone) {
      if (tone.isEmpty()) box->setCurrentIndex(0);
      else box->setEditText(tone);
    };
    showTone(cbQT, ch.RxTone);
    showTone(cbDQT, ch.TxTone);
    if (ch.Tx >= 0) {
      eTX->setText(FreqText(ch.Tx));
      cbDQT->setEnabled(true);
    } else {
      eTX->clear();
      cbDQT->setCurrentIndex(0);
      cbDQT->setEnabled(false);
    }
    cbkz->setCurrentIndex(ch.Flags[ChannelBit::Narrow]);
    cbfsgl->setCurrentIndex(ch.Flags[ChannelBit::HighPower]);
    chsmtj->setChecked(!ch.Flags[ChannelBit::ScanOff]);
    chCp->setChecked(!ch.Flags[ChannelBit::CompanderOff]);
    chfm->setChecked(!ch.Flags[ChannelBit::BusyLockOff]);
    chSr->setChecked(!ch.Flags[ChannelBit::ScramblerOff]);
  } else {
    ClearEditing();
    EnableEditing(false);
  }
  --Loading;
}

void TfBInfoEdit::WriteChannel() {
  if (Loading) return;
  const int n = AppState.CurrentChannel;
  const auto tone = [](const QComboBox *box) { return ToneFieldText(box->currentText(), box->itemText(0)); };
  WriteChannelField(n, RxFreq, eRx->text().trimmed());
  WriteChannelField(n, TxFreq, eTX->text().trimmed());
  WriteChannelField(n, RxTone, tone(cbQT));
  WriteChannelField(n, TxTone, tone(cbDQT));
  WriteChannelField(n, BusyLockBit, BitText(chfm->isChecked()));
  WriteChannelField(n, NarrowBit, QString::number(cbkz->currentIndex()));
  WriteChannelField(n, HighPowerBit, QString::number(cbfsgl->currentIndex()));
  WriteChannelField(n, ScanOffBit, BitText(chsmtj->isChecked()));
  WriteChannelField(n, CompanderOffBit, BitText(chCp->isChecked()));
  WriteChannelField(n, ScramblerOffBit, BitText(chSr->isChecked()));
  WriteChannelField(n, WhisperOffBit, BitText(chWp->isChecked()));
  AppState.Modified = true;
  emit ChannelWritten();
}

void TfBInfoEdit::eRxChange() {
  if (Loading) return;
  const QString text = eRx->text().trimmed();
  if (text.isEmpty()) {
    WriteChannel();
    ClearEditing();
    EnableEditing(false);
    return;
  }
  const auto number = ParseNumber(text);
  if (!number) {
    ShowMsg(Messages.Caution, Messages.ErrRange, MsgInfo);
    return;
  }
  const QString shown = ChannelFrequencyText(*number);
  ++Loading;
  eRx->setText(shown);
  EnableEditing(true);
  if (eTX->text().trimmed().isEmpty()) eTX->setText(shown);
  cbDQT->setEnabled(true);
  --Loading;
  WriteChannel();
}

void TfBInfoEdit::eTXChange() {
  if (Loading) return;
  const QString text = eTX->text().trimmed();
  if (text.isEmpty()) {
    cbDQT->setCurrentIndex(0);
    cbDQT->setEnabled(false);
  } else {
    const auto number = ParseNumber(text);
    if (!number) {
      ShowMsg(Messages.Caution, Messages.ErrRange, MsgInfo);
      return;
    }
    ++Loading;
    eTX->setText(ChannelFrequencyText(*number));
    --Loading;
    cbDQT->setEnabled(true);
    cbQT->setFocus();
  }
  WriteChannel();
}

void TfBInfoEdit::ToneChange(QComboBox *box) {
  if (Loading) return;
  const QString shown = ToneEntryText(box->currentText(), box->itemText(0));
  ++Loading;
  if (shown == box->itemText(0)) box->setCurrentIndex(0);
  else box->setEditText(shown);
  --Loading;
  WriteChannel();
}

void TfBInfoEdit::sexdChange(int channel) {
  AppState.CurrentChannel = qBound(1, channel, Layout::ChannelCount);
  emit ChannelStepped();
  ShowChannel();
}

bool TfBInfoEdit::eventFilter(QObject *watched, QEvent *event) {
  QComboBox *box = watched == cbQT || watched == cbQT->lineEdit() ? cbQT
                   : watched == cbDQT || watched == cbDQT->lineEdit() ? cbDQT
                                                                      : nullptr;
  switch (event->type()) {
  case QEvent::KeyPress: {
    const auto *key = static_cast<QKeyEvent *>(event);
    if (box) {
      if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
        ToneChange(box);
        return true;
      }
      if (!KeyAllowed(key, ToneKeys)) return true;
    } else if (!KeyAllowed(key, FrequencyKeys)) {
      return true;
    }
    break;
  }
  case QEvent::FocusOut:
    // Leaving a tone box confirms what was typed into it.
    if (box && static_cast<QFocusEvent *>(event)->reason() != Qt::PopupFocusReason &&
        box->lineEdit()->isModified()) {
      const QWidget *now = QApplication::focusWidget();
      if (!(now && (now == box || box->isAncestorOf(now)))) {
        box->lineEdit()->setModified(false);
        ToneChange(box);
      }
    }
    break;
  case QEvent::MouseButtonDblClick:
    if (box && box->isEnabled()) {
      const QString tone = PickTone(this);
      if (!tone.isEmpty()) {
        box->setEditText(tone);
        ToneChange(box);
      }
      return true;
    }
    break;
  default:
    break;
  }
  return QWidget::eventFilter(watched, event);
}
