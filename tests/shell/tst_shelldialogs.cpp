// The model, language and about dialogs, TranslateForm and the shipped language files.
#include "ShellSupport.h"
#include "TestSupport.h"
#include "channels/BInfoEdit.h"
#include "channels/ChInfo.h"
#include "channels/ToneOption.h"
#include "core/IniFile.h"
#include "core/Language.h"
#include "shell/FrmAbout.h"
#include "shell/MainFrm.h"
#include "shell/Model.h"
#include "shell/SetLanguage.h"
#include "shell/TranslateForm.h"
#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QStringDecoder>

namespace {
const QStringList WindowNames = {"fMainFrm", "fChInfo", "fBInfoEdit", "fToneOption", "fKeyFun", "fVoxFun",
                                 "fOptFun", "fInfoMsg", "fPassWord", "fReadRadio", "fWriteRadio", "fSetPort",
                                 "fSetLanguage", "fModel", "fFrmAbout", "fTestFrequency", "fEmbeddedMessage"};

QStringList ItemsOf(const QComboBox *box) {
  QStringList l;
  for (int i = 0; i < box->count(); ++i) l << box->itemText(i);
  return l;
}

// Section name -> keys, in file order.
QMap<QString, QStringList> Sections(const QString &path) {
  QFile f(path);
  if (!f.open(QIODevice::ReadOnly)) return {};
  QMap<QString, QStringList> out;
  QString section;
  for (const QString &line : DecodeText(f.readAll()).split('\n')) {
    const QString t = line.trimmed();
    if (t.startsWith('[') && t.endsWith(']')) section = t.mid(1, t.size() - 2);
    else if (t.contains('=')) out[section] << t.left(t.indexOf('='));
  }
  return out;
}
}

class TstShellDialogs : public QObject {
  Q_OBJECT
  std::unique_ptr<TFreshState> State;
  std::unique_ptr<TMsgScript> Msgs;

private slots:
  void init() {
    State = std::make_unique<TFreshState>();
    Msgs = std::make_unique<TMsgScript>();
  }
  void cleanup() {
    Msgs.reset();
    State.reset();
  }

  void modelDialog() {
    TfModel d;
    d.show();
    QCOMPARE(d.cbCopmut->currentText(), QStringLiteral("ZL-6405s(UHF)"));
    QCOMPARE(d.cbPd->currentText(), QStringLiteral("450 - 470MHz"));
    d.cbCopmut->setCurrentIndex(1);
    emit d.cbCopmut->activated(1);
    QCOMPARE(ItemsOf(d.cbPd), (QStringList{"136 - 150MHz", "136 - 174MHz", "150 - 174MHz", "216 - 223MHz"}));
    QCOMPARE(d.cbPd->currentText(), QStringLiteral("150 - 174MHz"));
    d.cbCopmut->setCurrentIndex(0);
    emit d.cbCopmut->activated(0);
    QCOMPARE(d.cbPd->currentText(), QStringLiteral("450 - 470MHz"));
    d.btnCancel->click();
    QVERIFY(!d.Confirmed);
    QCOMPARE(AppState.ModelName, QStringLiteral("ZL-6405s(UHF)"));
  }

  void languageDialogWithDefaultSettings() {
    TfSetLanguage d;
    d.show();
    QCOMPARE(ItemsOf(d.cbLanguage), (QStringList{QStringLiteral("中文"), QStringLiteral("英文")}));
    QCOMPARE(d.cbLanguage->currentIndex(), 0);
    d.btnOk->click();   // the current language again: no change
    QVERIFY(!d.Changed);
    d.show();
    d.cbLanguage->setCurrentIndex(1);
    d.btnOk->click();
    QVERIFY(d.Changed);
    QCOMPARE(AppState.LanguageName, QStringLiteral("English"));
    QCOMPARE(AppState.LanguageIndex, 1);
  }

  void aboutDialog() {
    TfFrmAbout d;
    d.show();
    QCOMPARE(d.windowTitle(), QStringLiteral("ZL-6405s"));
    QCOMPARE(d.Label1->text(), QStringLiteral("1"));
    QCOMPARE(d.Label9->text(), QStringLiteral("6"));
    QCOMPARE(d.Memo1->toPlainText(), QStringLiteral("7\n8\n\n9"));
    QTest::mouseClick(d.ImApp, Qt::LeftButton);
    QVERIFY(d.isVisible());
    QTest::mouseClick(d.Label3, Qt::LeftButton);
    QVERIFY(!d.isVisible());
    // The shipped texts replace the digits, whatever the language index.
    QVERIFY(QFile::copy(QStringLiteral(ZL_RESOURCES "/English.Ini"), State->Path(QStringLiteral("English.Ini"))));
    AppState.LanguageName = QStringLiteral("English");
    TfFrmAbout shipped;
    shipped.show();
    QVERIFY(shipped.Label1->text().contains(QStringLiteral("ZL-6405s")));
    QVERIFY(shipped.Memo1->toPlainText().size() > 20);
  }

  void translateFormTags() {
    WriteFile(State->Path(QStringLiteral("T.Ini")),
              "[fTest]\nfTest.Caption=Probe\nLabel1.Caption=Eins\n"
              "cbA.0=Null\ncbA.1=Eins\ncbB.0=Null\ncbC.0=Null\ncbC.1=Eins\n");
    QWidget form;
    form.setObjectName(QStringLiteral("fTest"));
    auto *label = new QLabel(QStringLiteral("One"), &form);
    label->setObjectName(QStringLiteral("Label1"));
    QComboBox *boxes[3];
    const char *names[] = {"cbA", "cbB", "cbC"};
    const int tags[] = {-3, -2, 0};
    for (int i = 0; i < 3; ++i) {
      boxes[i] = new QComboBox(&form);
      boxes[i]->setObjectName(QString::fromLatin1(names[i]));
      boxes[i]->setProperty("tag", tags[i]);
      boxes[i]->addItems({"a", "b"});
      boxes[i]->setCurrentIndex(1);
    }
    TranslateForm(&form, QStringLiteral("T"), false);
    QCOMPARE(form.windowTitle(), QStringLiteral("Probe"));
    QCOMPARE(label->text(), QStringLiteral("Eins"));
    QCOMPARE(ItemsOf(boxes[2]), (QStringList{"a", "b"}));   // lists only when asked
    TranslateForm(&form, QStringLiteral("T"), true);
    QCOMPARE(ItemsOf(boxes[0]), (QStringList{"Null", "b"}));
    QCOMPARE(ItemsOf(boxes[1]), (QStringList{"a", "b"}));
    QCOMPARE(ItemsOf(boxes[2]), (QStringList{"Null", "Eins"}));
    for (QComboBox *box : boxes) QCOMPARE(box->currentIndex(), 1);
  }

  void mainWindowTranslatesOnlyItself() {
    WriteFile(State->Path(QStringLiteral("T.Ini")), "[fMainFrm]\nN1.Caption=Neu\nbtnClose.Caption=Zu\n");
    TFileScript files;
    TfMainFrm w;
    w.show();
    w.RunCommand(Cmd::ChEdit);
    TranslateForm(&w, QStringLiteral("T"), true);
    QCOMPARE(w.N1->text(), QStringLiteral("Neu"));
    QCOMPARE(w.BInfoEdit()->btnClose->text(), QStringLiteral("&Close"));
    w.CloseAgreed = true;
  }

  void shippedLanguageFiles_data() {
    QTest::addColumn<QString>("file");
    QTest::newRow("English") << "English.Ini";
    QTest::newRow("Chinese") << "Chinese.Ini";
  }
  void shippedLanguageFiles() {
    QFETCH(QString, file);
    const QString path = QStringLiteral(ZL_RESOURCES "/") + file;
    const QMap<QString, QStringList> sections = Sections(path);
    for (const QString &window : WindowNames) QVERIFY2(sections.contains(window), qPrintable(window));
    int count = 0;
    const TMessageKey *keys = MessageKeys(count);
    for (int i = 0; i < count; ++i)
      QVERIFY2(sections.value(QStringLiteral("Language")).contains(QString::fromLatin1(keys[i].Key)), keys[i].Key);
    if (file == QLatin1String("Chinese.Ini")) {
      QFile f(path);
      QVERIFY(f.open(QIODevice::ReadOnly));
      const QByteArray bytes = f.readAll();
      QStringDecoder utf8(QStringDecoder::Utf8);
      (void)utf8.decode(bytes).operator QString();
      QVERIFY2(utf8.hasError(), "the Chinese file is stored in GBK");
      QVERIFY(DecodeText(bytes).contains(QStringLiteral("频率")));
    }
    // Every key of the windows built here names a component that exists.
    TFileScript files;
    TfMainFrm mainFrm;
    TfChInfo chInfo;
    TfBInfoEdit bInfoEdit;
    TfToneOption toneOption;
    TfModel model;
    TfSetLanguage setLanguage;
    TfFrmAbout about;
    for (QWidget *w : std::initializer_list<QWidget *>{&mainFrm, &chInfo, &bInfoEdit, &toneOption, &model,
                                                       &setLanguage, &about}) {
      for (const QString &key : sections.value(w->objectName())) {
        const QString component = key.section('.', 0, 0);
        if (component == w->objectName()) continue;
        QVERIFY2(w->findChild<QObject *>(component), qPrintable(w->objectName() + ": " + key));
      }
    }
    mainFrm.CloseAgreed = true;
  }

  void chineseTranslatesTheWindows() {
    QVERIFY(QFile::copy(QStringLiteral(ZL_RESOURCES "/Chinese.Ini"), State->Path(QStringLiteral("Chinese.Ini"))));
    AppState.LanguageName = QStringLiteral("Chinese");
    AppState.LanguageIndex = 1;
    LoadMessages(AppState.LanguageName);
    QVERIFY(!Messages.ExitProgram.startsWith(QStringLiteral("Do you")));
    TfBInfoEdit form;
    form.show();
    QVERIFY(form.windowTitle() != QStringLiteral("Channel Edit"));
    QVERIFY(form.Label2->text() != QStringLiteral("RX Frequency[MHz]"));
    QVERIFY(form.cbQT->itemText(0) != QStringLiteral("None"));
    QCOMPARE(form.cbQT->itemText(1), QStringLiteral("67.0"));
    TfChInfo table;
    table.show();
    QVERIFY(table.gvData->horizontalHeaderItem(1)->text() != QStringLiteral("RX Frequency"));
    QCOMPARE(table.NoneText(), form.cbQT->itemText(0));
  }
};

QTEST_MAIN(TstShellDialogs)
#include "tst_shelldialogs.moc"
