// The main window: first showing, file commands, questions, child windows, navigator, model
// and language changes.
#include "ShellSupport.h"
#include "TestSupport.h"
#include "channels/BInfoEdit.h"
#include "channels/ChInfo.h"
#include "core/Language.h"
#include "core/MacType.h"
#include "core/Settings.h"
#include "image/ImageRoutines.h"
#include "shell/MainFrm.h"
#include "shell/Model.h"
#include "shell/Report.h"
#include "shell/SetLanguage.h"
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPdfWriter>
#include <QPushButton>
#include <QSpinBox>
#include <QLineEdit>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>
#include <QTreeWidget>

namespace {
void TypeRx(TfMainFrm &w, int channel, const QString &text) {
  QVERIFY(w.ChInfo());
  w.ChInfo()->gvData->item(channel - 1, TfChInfo::ColRx)->setText(text);
}
int OpenSubWindows(TfMainFrm &w) {
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  return int(w.Mdi->subWindowList().size());
}
void ChooseBand(TfModel *d, const QString &model, const QString &band) {
  d->cbCopmut->setCurrentIndex(d->cbCopmut->findText(model));
  emit d->cbCopmut->activated(d->cbCopmut->currentIndex());
  d->cbPd->setCurrentIndex(d->cbPd->findText(band));
  d->btnOk->click();
}
const QString Uhf = QStringLiteral("ZL-6405s(UHF)"), Vhf = QStringLiteral("ZL-6405s(VHF)");
}

class TstMainFrm : public QObject {
  Q_OBJECT
  std::unique_ptr<TFreshState> State;
  std::unique_ptr<TMsgScript> Msgs;
  std::unique_ptr<TFileScript> Files;
  std::unique_ptr<TfMainFrm> W;

  void Start() {
    W = std::make_unique<TfMainFrm>();
    W->show();
    Activate(W.get());
  }

private slots:
  void init() {
    State = std::make_unique<TFreshState>(false);
    Msgs = std::make_unique<TMsgScript>();
    Files = std::make_unique<TFileScript>();
  }
  void cleanup() {
    if (W) {
      AppState.Modified = false;
      W->CloseAgreed = true;
      W.reset();
    }
    Files.reset();
    Msgs.reset();
    State.reset();
  }

  void firstShowing() {
    AppState.Modified = true;
    Start();
    QCOMPARE(W->windowTitle(), QStringLiteral("ZL-6405s"));
    QCOMPARE(W->Panels[4]->text(), Uhf);
    QCOMPARE(W->Panels[5]->text(), QStringLiteral("450 - 470MHz"));
    QVERIFY(W->Panels[3]->text().startsWith(QStringLiteral("Port: COM")));
    QCOMPARE(W->Panels[1]->text(), QStringLiteral("2026/05/09"));
    QCOMPARE(W->Panels[2]->text(), QStringLiteral("08:07:06"));
    QVERIFY(!AppState.Modified);
    QCOMPARE(AppState.CurrentChannel, 1);
    QCOMPARE(AppState.BandLow, 450.0);
    QCOMPARE(AppState.Image.Byte(Layout::IdentBandCode), quint8(244));
    QVERIFY(W->ChInfo());
    QCOMPARE(W->ChInfo()->gvData->rowCount(), 16);
    QCOMPARE(OpenSubWindows(*W), 1);
    QCOMPARE(W->ChInfo()->parentWidget()->pos(), QPoint(20, 20));
    // Navigator: expanded, root selected, node texts from the menu hints.
    QTreeWidgetItem *root = W->cxZL6405->topLevelItem(0);
    QCOMPARE(W->cxZL6405->currentItem(), root);
    QVERIFY(root->isExpanded() && W->ChannelNode(1)->parent()->isExpanded());
    QCOMPARE(root->text(0), QStringLiteral("ZL-6405s"));
    QStringList children;
    for (int i = 0; i < root->childCount(); ++i) children << root->child(i)->text(0);
    QCOMPARE(children, (QStringList{"Radio Information", "Channel Information", "Key Function", "Vox Function",
                                    "Optional Function"}));
    QCOMPARE(W->ChannelNode(7)->text(0), QStringLiteral("No. -  7"));
    QCOMPARE(W->ChannelNode(16)->parent()->childCount(), 16);
    // Hidden entries and buttons.
    for (QAction *a : {W->D5, W->P0, W->E10, W->E11, W->ToolButton3}) QVERIFY(!a->isVisible());
    QVERIFY(!W->nWindow->menuAction()->isVisible());
    QVERIFY(W->nCool->isChecked() && W->nBar->isChecked());
  }

  void menuEntries_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("shortcut");
    QTest::addColumn<int>("command");
    QTest::newRow("new") << "N1" << "&New" << "Ctrl+N" << 1;
    QTest::newRow("save as") << "A1" << "Save &As" << "Ctrl+A" << 4;
    QTest::newRow("preview") << "V2" << "Print Pre&view" << "Ctrl+V" << 6;
    QTest::newRow("exit") << "nExit" << "&Exit" << "Ctrl+X" << 0;
    QTest::newRow("read") << "R1" << "&Read From Radio" << "Ctrl+R" << 20;
    QTest::newRow("write") << "W2" << "&Write To Radio" << "Ctrl+W" << 21;
    QTest::newRow("language") << "nLanguage" << "Language File Setup" << "" << 32;
    QTest::newRow("password") << "P0" << "&Pass Word" << "" << 16;
    QTest::newRow("close all") << "nCloseAll" << "Close All &Windows" << "" << 54;
    QTest::newRow("about") << "nAbout" << "About..." << "" << 61;
  }
  void menuEntries() {
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(QString, shortcut);
    QFETCH(int, command);
    TfMainFrm w;
    QAction *a = w.findChild<QAction *>(name);
    QVERIFY(a);
    QCOMPARE(a->text(), caption);
    QCOMPARE(a->shortcut().toString(), shortcut);
    QCOMPARE(a->property("command").toInt(), command);
  }

  void saveNewOpenRoundTrip() {
    Start();
    const QString path = State->Path(QStringLiteral("radio.dat"));
    TypeRx(*W, 1, QStringLiteral("460.0125"));
    QVERIFY(AppState.Modified);
    Files->Answer(path);
    W->RunCommand(Cmd::Save);
    QVERIFY(QFile::exists(path));
    QCOMPARE(QFileInfo(path).size(), qint64(448));
    QCOMPARE(W->windowTitle(), QStringLiteral("ZL-6405s [%1]").arg(path));
    QVERIFY(!AppState.Modified);
    W->RunCommand(Cmd::New);
    QVERIFY(Msgs->Calls.empty());   // nothing to save: no question
    QVERIFY(!ReadChannel(1).Present);
    QCOMPARE(W->windowTitle(), QStringLiteral("ZL-6405s"));
    Files->Answer(path);
    W->RunCommand(Cmd::Open);
    QCOMPARE(W->ChInfo()->gvData->item(0, TfChInfo::ColRx)->text(), QStringLiteral("460.01250"));
    QCOMPARE(W->windowTitle(), QStringLiteral("ZL-6405s [%1]").arg(path));
    QVERIFY(!AppState.Modified);
    QCOMPARE(Files->Kinds, (std::vector<TFileDialogKind>{TFileDialogKind::Save, TFileDialogKind::Open}));
    // A file given at start-up loads the same way, without a dialog.
    W->RunCommand(Cmd::New);
    W->LoadFile(path);
    QVERIFY(ReadChannel(1).Present);
    QCOMPARE(Files->Kinds.size(), size_t(2));
  }

  void saveAsCancelled() {
    Start();
    const QString path = State->Path(QStringLiteral("a.dat"));
    Files->Answer(path);
    W->RunCommand(Cmd::Save);
    W->RunCommand(Cmd::Save);   // has a name now: no dialog
    QCOMPARE(Files->Kinds.size(), size_t(1));
    Files->Answer(QString());
    W->RunCommand(Cmd::SaveAs);
    QCOMPARE(W->windowTitle(), QStringLiteral("ZL-6405s"));
    Files->Answer(QString());
    W->RunCommand(Cmd::Save);   // asks for a name again
    QCOMPARE(Files->Kinds.size(), size_t(3));
  }

  void newWithChangesAsksOnce() {
    Start();
    TypeRx(*W, 1, QStringLiteral("460.0125"));
    Msgs->Answer(MsgNo);
    W->RunCommand(Cmd::New);
    QCOMPARE(Msgs->Texts(), QStringList{Messages.SaveProgram});
    QVERIFY(!ReadChannel(1).Present);
    QVERIFY(!AppState.Modified);
  }

  // Yes to "save the changes?" and then no file written: the command stops, the changes stay.
  void yesToSaveButNotSaved_data() {
    QTest::addColumn<int>("command");
    QTest::addColumn<QString>("savePath");
    for (int c : {int(Cmd::New), int(Cmd::Open), int(Cmd::Model), 0}) {
      const QString name = c == 0 ? QStringLiteral("exit") : QString::number(c);
      QTest::newRow(qPrintable(name + " cancelled")) << c << QString();
      QTest::newRow(qPrintable(name + " failed")) << c << QStringLiteral("/nonexistent-dir/x.dat");
    }
  }
  void yesToSaveButNotSaved() {
    QFETCH(int, command);
    QFETCH(QString, savePath);
    Start();
    TypeRx(*W, 1, QStringLiteral("460.0125"));
    const QByteArray image = AppState.Image.Bytes(0, Layout::ImageSize);
    Files->Answer(savePath);
    if (command == Cmd::Model || command == 0) Msgs->Answer(MsgYes);   // ClearData or ExitProgram
    Msgs->Answer(MsgYes);                                              // SaveProgram
    if (command == Cmd::Model)
      OnModal<TfModel>([](TfModel *d) { ChooseBand(d, Vhf, QStringLiteral("136 - 174MHz")); });
    if (command == 0) W->close();
    else W->RunCommand(command);
    QCOMPARE(Files->Kinds, std::vector<TFileDialogKind>{TFileDialogKind::Save});
    QCOMPARE(AppState.Image.Bytes(0, Layout::ImageSize), image);
    QVERIFY(AppState.Modified);
    QCOMPARE(AppState.ModelName, Uhf);
    QVERIFY(W->isVisible());
    QVERIFY(!W->CloseAgreed);
    QCOMPARE(Msgs->Calls.back().Kind, savePath.isEmpty() ? MsgQuestion : MsgInfo);   // a failure is reported
  }

  void openUnknownModel() {
    Start();
    const QString path = State->Path(QStringLiteral("other.dat"));
    QByteArray bytes(448, char(0xFF));
    bytes.replace(0, 5, "P9999");
    bytes[5] = char(0x04);
    bytes[6] = char(0x50);
    bytes[7] = char(0x47);
    WriteFile(path, bytes);
    const QByteArray image = AppState.Image.Bytes(0, Layout::ImageSize);
    Files->Answer(path);
    W->RunCommand(Cmd::Open);
    QCOMPARE(Msgs->Texts(), QStringList{Messages.ModError});
    QCOMPARE(Msgs->Calls.front().Kind, MsgInfo);
    QCOMPARE(W->windowTitle(), QStringLiteral("ZL-6405s"));
    QCOMPARE(AppState.Image.Bytes(0, Layout::ImageSize), image);
  }

  void modelChange() {
    Start();
    TypeRx(*W, 1, QStringLiteral("460.0125"));
    Msgs->Answer(MsgYes);   // ClearData
    Msgs->Answer(MsgNo);    // SaveProgram
    OnModal<TfModel>([](TfModel *d) {
      QCOMPARE(d->cbCopmut->currentText(), Uhf);
      QCOMPARE(d->cbPd->currentText(), QStringLiteral("450 - 470MHz"));
      ChooseBand(d, Vhf, QStringLiteral("136 - 174MHz"));
    });
    W->RunCommand(Cmd::Model);
    QCOMPARE(Msgs->Texts(), (QStringList{Messages.ClearData, Messages.SaveProgram}));
    QCOMPARE(AppState.ModelName, Vhf);
    QCOMPARE(W->Panels[5]->text(), QStringLiteral("136 - 174MHz"));
    QCOMPARE(W->Panels[4]->text(), Vhf);
    QCOMPARE(AppState.Image.Byte(Layout::IdentBandCode), quint8(242));
    QVERIFY(!ReadChannel(1).Present);
    QVERIFY(!AppState.Modified);
    // No to ClearData keeps everything.
    TypeRx(*W, 2, QStringLiteral("150.5"));
    Msgs->Clear();
    Msgs->Answer(MsgNo);
    OnModal<TfModel>([](TfModel *d) { ChooseBand(d, Uhf, QStringLiteral("450 - 490MHz")); });
    W->RunCommand(Cmd::Model);
    QCOMPARE(Msgs->Texts(), QStringList{Messages.ClearData});
    QCOMPARE(AppState.ModelName, Vhf);
    QVERIFY(ReadChannel(2).Present);
  }

  void languageChange() {
    WriteFile(State->Path(QStringLiteral("SysInfo.Ini")),
              "[SysInfo]\nLanguage=English|Test\nEnglish=English|Testish\n");
    WriteFile(State->Path(QStringLiteral("Test.Ini")),
              "[Language]\nExitProgram=Bye?\n"
              "[fMainFrm]\nN1.Caption=&Neu\nLabel5.Caption=Kanal\nnChInfo.Hint=Kanalliste\nlCom.Caption=\"Anschluss: \"\n"
              "[fChInfo]\nBColText.1=Empfang\n");
    LoadSettings();
    Start();
    TypeRx(*W, 1, QStringLiteral("460.0125"));
    OnModal<TfSetLanguage>([](TfSetLanguage *d) {
      QCOMPARE(d->cbLanguage->count(), 2);
      QCOMPARE(d->cbLanguage->currentIndex(), 0);
      d->cbLanguage->setCurrentIndex(1);
      d->btnOk->click();
    });
    W->RunCommand(Cmd::Language);
    QCOMPARE(AppState.LanguageName, QStringLiteral("Test"));
    QCOMPARE(AppState.LanguageIndex, 1);
    QCOMPARE(Messages.ExitProgram, QStringLiteral("Bye?"));
    QCOMPARE(W->N1->text(), QStringLiteral("&Neu"));
    QCOMPARE(W->ChannelNode(3)->text(0), QStringLiteral("Kanal 3"));
    QCOMPARE(W->ChannelNode(3)->parent()->text(0), QStringLiteral("Kanalliste"));
    QVERIFY(W->Panels[3]->text().startsWith(QStringLiteral("Anschluss: ")));
    QVERIFY(W->ChInfo());
    QCOMPARE(W->ChInfo()->gvData->horizontalHeaderItem(1)->text(), QStringLiteral("Empfang"));
    QCOMPARE(OpenSubWindows(*W), 1);
    QVERIFY(AppState.Modified);   // unsaved channel edits are still asked about at exit
  }

  void navigator() {
    Start();
    QTreeWidgetItem *node = W->ChannelNode(7);
    W->NavigatorActivate(node);   // not the selected node: nothing
    QVERIFY(!W->BInfoEdit());
    W->cxZL6405->setCurrentItem(node);
    W->NavigatorActivate(node);
    QCOMPARE(AppState.CurrentChannel, 7);
    QVERIFY(W->BInfoEdit());
    QCOMPARE(W->BInfoEdit()->sexd->value(), 7);
    const int windows = OpenSubWindows(*W);
    W->cxZL6405->setCurrentItem(W->cxZL6405->topLevelItem(0));
    W->NavigatorActivate(W->cxZL6405->topLevelItem(0));
    QCOMPARE(OpenSubWindows(*W), windows);
  }

  void tableAndFormInStep() {
    Start();
    W->RunCommand(Cmd::ChEdit);
    TfChInfo *table = W->ChInfo();
    TfBInfoEdit *form = W->BInfoEdit();
    QVERIFY(table && form);
    table->gvData->setCurrentCell(2, TfChInfo::ColRx);
    QCOMPARE(AppState.CurrentChannel, 3);
    QCOMPARE(form->sexd->value(), 3);
    QCOMPARE(W->cxZL6405->currentItem(), W->ChannelNode(3));
    TypeRx(*W, 3, QStringLiteral("455.5"));
    QCOMPARE(form->eRx->text(), QStringLiteral("455.50000"));
    QVERIFY(form->chsmtj->isEnabled());
    form->chsmtj->click();
    QCOMPARE(table->gvData->item(2, TfChInfo::ColScan)->text(), QStringLiteral("Yes"));
    form->sexd->setValue(5);
    QCOMPARE(W->cxZL6405->currentItem(), W->ChannelNode(5));
    QCOMPARE(table->gvData->currentRow(), 4);
  }

  void childWindowsOpenOnce() {
    Start();
    QWidget *key = W->OpenChild(Cmd::KeyFun);
    W->RunCommand(Cmd::KeyFun);
    QCOMPARE(W->Child(Cmd::KeyFun), key);
    QCOMPARE(OpenSubWindows(*W), 2);
    key->parentWidget()->showMinimized();
    W->RunCommand(Cmd::KeyFun);
    QVERIFY(!key->parentWidget()->isMinimized());
    QCOMPARE(W->Mdi->activeSubWindow(), key->parentWidget());
    for (int c : {int(Cmd::VoxFun), int(Cmd::OptFun), int(Cmd::InfoMsg), int(Cmd::PassWord), int(Cmd::ChEdit)})
      W->RunCommand(c);
    QCOMPARE(OpenSubWindows(*W), 7);
    TfChInfo *old = W->ChInfo();
    W->RunCommand(Cmd::New);
    QCOMPARE(OpenSubWindows(*W), 1);
    QVERIFY(W->ChInfo() && W->ChInfo() != old);
    // Closing a child window forgets it.
    W->ChInfo()->parentWidget()->close();
    QCOMPARE(OpenSubWindows(*W), 0);
    QVERIFY(!W->ChInfo());
    W->RunCommand(Cmd::ChInfo);
    QVERIFY(W->ChInfo());
    // Close All followed at once by opening the table again gives a live table.
    W->RunCommand(Cmd::KeyFun);
    W->RunCommand(Cmd::CloseAll);
    W->RunCommand(Cmd::ChInfo);
    QCOMPARE(OpenSubWindows(*W), 1);
    QVERIFY(W->ChInfo());
  }

  void closeQuestions() {
    Start();
    Msgs->Answer(MsgNo);
    W->close();
    QVERIFY(W->isVisible());
    QVERIFY(!W->CloseAgreed);
    Msgs->Clear();
    Msgs->Answer(MsgYes);
    W->close();
    QCOMPARE(Msgs->Texts(), QStringList{Messages.ExitProgram});
    QVERIFY(W->CloseAgreed);
  }

  void viewCommands() {
    Start();
    W->T4->trigger();
    QVERIFY(!W->pTree->isVisible());
    W->T4->trigger();
    QVERIFY(W->pTree->isVisible());
    W->TreeHide->click();
    QVERIFY(!W->pTree->isVisible());
    W->nCool->trigger();
    QVERIFY(!W->tbar->isVisible() && !W->nCool->isChecked());
    W->nBar->trigger();
    QVERIFY(!W->MainBar->isVisible());
  }

  void report() {
    Start();
    W->OpenChild(Cmd::KeyFun);
    const int windows = OpenSubWindows(*W);
    W->BuildReport();
    QCOMPARE(OpenSubWindows(*W), windows);   // views made for the report are gone again
    QVERIFY(W->Child(Cmd::KeyFun) && !W->Child(Cmd::OptFun));
    QVERIFY(!AppState.Modified);
    QCOMPARE(int(ReportTables.myMain.size()), 1);
    QCOMPARE(ReportTables.myMain[0].Title, QStringLiteral("ZL-6405s"));
    QCOMPARE(ReportTables.myMain[0].BValue, QStringLiteral("450 - 470MHz"));
    // A blank image: one page of 16 function settings, one page with the empty channel row.
    QCOMPARE(int(ReportTables.myAdo.size()), 17);
    QCOMPARE(ReportTables.myAdo[0].TypeName, QStringLiteral("Key Function"));
    QCOMPARE(ReportTables.myAdo[16].TypeName, QStringLiteral("Channel Information"));
    QList<TReportPage> pages = PaginateReport(ReportTables);
    QCOMPARE(pages.size(), 2);
    QCOMPARE(pages[0].size(), 17);
    QCOMPARE(pages[0][0].Kind, TReportLine::GroupHeader);
    QCOMPARE(pages[1].size(), 2);
    // One used channel adds six lines; building again starts from empty tables.
    TypeRx(*W, 4, QStringLiteral("460.0125"));
    W->BuildReport();
    QCOMPARE(int(ReportTables.myAdo.size()), 23);
    QCOMPARE(ReportTables.myAdo[17].AField, QStringLiteral("Channel No.4"));
    QPdfWriter pdf(State->Path(QStringLiteral("report.pdf")));
    SetReportPageLayout(&pdf);
    QCOMPARE(RenderReport(&pdf, ReportTables), 2);
  }

  void helpFile() {
    Start();
    const QString chm = State->Path(QStringLiteral("QK_Chinese.chm"));
    const QString manual = State->Path(QStringLiteral("Manual_Chinese.html"));
    QCOMPARE(W->HelpFilePath(), State->Path(QStringLiteral("Manual_English.html")));
    WriteFile(manual, "<html></html>");
    QCOMPARE(W->HelpFilePath(), manual);
    WriteFile(chm, "x");
    QCOMPARE(W->HelpFilePath(), chm);
  }
};

QTEST_MAIN(TstMainFrm)
#include "tst_mainfrm.moc"
