#include "shell/MainFrm.h"
#include "channels/BInfoEdit.h"
#include "channels/ChInfo.h"
#include "core/AllClass.h"
#include "core/Clock.h"
#include "core/Language.h"
#include "core/MacType.h"
#include "core/Maindb.h"
#include "core/ShowMsg.h"
#include "functions/EmbeddedMessage.h"
#include "functions/KeyFun.h"
#include "functions/OptFun.h"
#include "functions/TestFrequency.h"
#include "functions/VoxFun.h"
#include "image/DataFile.h"
#include "image/ImageRoutines.h"
#include "link/InfoMsg.h"
#include "link/PassWord.h"
#include "link/PortList.h"
#include "link/ReadRadio.h"
#include "link/SetPort.h"
#include "link/WriteRadio.h"
#include "shell/FileDialogs.h"
#include "shell/FrmAbout.h"
#include "shell/Model.h"
#include "shell/Pictures.h"
#include "shell/Report.h"
#include "shell/SetLanguage.h"
#include "shell/TranslateForm.h"
#include <QCloseEvent>
#include <QComboBox>
#include <QDesktopServices>
#include <QFileInfo>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QSplitter>
#include <QStatusBar>
#include <QStyle>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QTreeWidget>
#include <QUrl>
#include <QVBoxLayout>

namespace {
constexpr int ChildLeft = 20, ChildTop = 20;
constexpr int ClockInterval = 1000;
const int PanelWidths[7] = {50, 80, 120, 120, 120, 120, 100};
constexpr int PortPanel = 3;

struct TMenuDef { QMenu *TfMainFrm::*Member; const char *Name; const char *Caption; bool Shown; };
const TMenuDef MenuDefs[] = {
    {&TfMainFrm::nFile, "nFile", "&File", true},         {&TfMainFrm::nEdit, "nEdit", "&Edit", true},
    {&TfMainFrm::nProgram, "nProgram", "&Program", true}, {&TfMainFrm::nSetup, "nSetup", "&Setup", true},
    {&TfMainFrm::nView, "nView", "&View", true},         {&TfMainFrm::nWindow, "nWindow", "&Window", false},
    {&TfMainFrm::nHelp, "nHelp", "&Help", true},
};

// Every menu entry, top to bottom within its menu; a "-" caption is a separator.
struct TEntryDef {
  QMenu *TfMainFrm::*Menu;
  QAction *TfMainFrm::*Member;
  const char *Name, *Caption, *Hint, *Shortcut;
  int Command;   // 0: no command
  bool Shown;
};
using M = TfMainFrm;
const TEntryDef EntryDefs[] = {
    {&M::nFile, &M::N1, "N1", "&New", "", "Ctrl+N", Cmd::New, true},
    {&M::nFile, &M::O1, "O1", "&Open", "", "Ctrl+O", Cmd::Open, true},
    {&M::nFile, &M::S2, "S2", "&Save", "", "Ctrl+S", Cmd::Save, true},
    {&M::nFile, &M::A1, "A1", "Save &As", "", "Ctrl+A", Cmd::SaveAs, true},
    {&M::nFile, &M::N11, "N11", "-", "", "", 0, true},
    {&M::nFile, &M::P2, "P2", "&Print", "", "Ctrl+P", Cmd::Print, true},
    {&M::nFile, &M::V2, "V2", "Print Pre&view", "", "Ctrl+V", Cmd::Preview, true},
    {&M::nFile, &M::N3, "N3", "-", "", "", 0, true},
    {&M::nFile, &M::nExit, "nExit", "&Exit", "", "Ctrl+X", 0, true},
    {&M::nEdit, &M::nChInfo, "nChInfo", "C&hannel Information", "Channel Information", "", Cmd::ChInfo, true},
    {&M::nEdit, &M::nChEdit, "nChEdit", "&Channel Edit", "Channel Edit", "", Cmd::ChEdit, true},
    {&M::nEdit, &M::D1, "D1", "-", "", "", 0, true},
    {&M::nEdit, &M::nKey, "nKey", "&Key Function", "Key Function", "", Cmd::KeyFun, true},
    {&M::nEdit, &M::nVox, "nVox", "&Vox Function", "Vox Function", "", Cmd::VoxFun, true},
    {&M::nEdit, &M::nOpt, "nOpt", "&Optional Function", "Optional Function", "", Cmd::OptFun, true},
    {&M::nEdit, &M::nInfo, "nInfo", "Radio &Information", "Radio Information", "", Cmd::InfoMsg, true},
    {&M::nEdit, &M::D5, "D5", "-", "", "", 0, false},
    {&M::nEdit, &M::P0, "P0", "&Pass Word", "", "", Cmd::PassWord, false},
    {&M::nEdit, &M::E10, "E10", "&Test Frequency", "", "", Cmd::TestFrequency, false},
    {&M::nEdit, &M::E11, "E11", "Embedded &Message", "", "", Cmd::EmbeddedMessage, false},
    {&M::nProgram, &M::R1, "R1", "&Read From Radio", "", "Ctrl+R", Cmd::ReadRadio, true},
    {&M::nProgram, &M::W2, "W2", "&Write To Radio", "", "Ctrl+W", Cmd::WriteRadio, true},
    {&M::nProgram, &M::N2, "N2", "-", "", "", 0, true},
    {&M::nSetup, &M::N4, "N4", "&Model Information", "", "", Cmd::Model, true},
    {&M::nSetup, &M::N9, "N9", "-", "", "", 0, true},
    {&M::nSetup, &M::C2, "C2", "&Communication Port", "", "", Cmd::Port, true},
    {&M::nSetup, &M::nLanguage, "nLanguage", "Language File Setup", "", "", Cmd::Language, true},
    {&M::nView, &M::T4, "T4", "Tree &View", "", "", 0, true},
    {&M::nView, &M::N8, "N8", "-", "", "", 0, true},
    {&M::nView, &M::nCool, "nCool", "&Toolbar", "", "", 0, true},
    {&M::nView, &M::nBar, "nBar", "&Status bar", "", "", 0, true},
    {&M::nWindow, &M::nC, "nC", "&Cascade", "", "", Cmd::Cascade, false},
    {&M::nWindow, &M::nH, "nH", "Tile Windows &Horizontally", "", "", Cmd::TileHorizontally, false},
    {&M::nWindow, &M::nV, "nV", "Tile Windows &Vertically", "", "", Cmd::TileVertically, false},
    {&M::nWindow, &M::npl, "npl", "&Arrange Icons", "", "", Cmd::ArrangeIcons, false},
    {&M::nWindow, &M::N13, "N13", "-", "", "", 0, false},
    {&M::nWindow, &M::nCloseAll, "nCloseAll", "Close All &Windows", "", "", Cmd::CloseAll, false},
    {&M::nHelp, &M::nHelpTopics, "nHelpTopics", "&Help Topics", "", "", Cmd::Help, true},
    {&M::nHelp, &M::N10, "N10", "-", "", "", 0, true},
    {&M::nHelp, &M::nAbout, "nAbout", "About...", "", "", Cmd::About, true},
};

struct TToolDef {
  QAction *TfMainFrm::*Member;
  const char *Name, *Hint, *Theme;
  QStyle::StandardPixmap Fallback;
  int Command;
};
const TToolDef ToolDefs[] = {
    {&M::tbNew, "tbNew", "New", "document-new", QStyle::SP_FileIcon, Cmd::New},
    {&M::tbOpen, "tbOpen", "Open", "document-open", QStyle::SP_DialogOpenButton, Cmd::Open},
    {&M::tbSave, "tbSave", "Save", "document-save", QStyle::SP_DialogSaveButton, Cmd::Save},
    {nullptr, "", "", "", QStyle::SP_CustomBase, 0},
    {&M::ToolButton3, "ToolButton3", "Channel Edit", "document-properties", QStyle::SP_FileDialogDetailedView,
     Cmd::ChEdit},
    {&M::tbPrint, "tbPrint", "Print", "document-print", QStyle::SP_FileDialogContentsView, Cmd::Print},
    {nullptr, "", "", "", QStyle::SP_CustomBase, 0},
    {&M::tbRead, "tbRead", "Read", "go-down", QStyle::SP_ArrowDown, Cmd::ReadRadio},
    {nullptr, "", "", "", QStyle::SP_CustomBase, 0},
    {&M::tbWrite, "tbWrite", "Write", "go-up", QStyle::SP_ArrowUp, Cmd::WriteRadio},
    {nullptr, "", "", "", QStyle::SP_CustomBase, 0},
    {&M::tbHelp, "tbHelp", "Help", "help-contents", QStyle::SP_MessageBoxQuestion, Cmd::Help},
};

}

TfMainFrm::TfMainFrm(QWidget *parent) : QMainWindow(parent) {
  setObjectName(QStringLiteral("fMainFrm"));
  setWindowIcon(ProgramIcon());
  setWindowTitle(AppState.SeriesName);

  Mdi = new QMdiArea;
  Mdi->setObjectName(QStringLiteral("Mdi"));
  Mdi->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  Mdi->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);

  cbCom = new QComboBox(this);
  cbCom->setObjectName(QStringLiteral("cbCom"));
  cbCom->setProperty("tag", -2);
  cbCom->hide();
  Label5 = new QLabel(QStringLiteral("No. - "), this);
  Label5->setObjectName(QStringLiteral("Label5"));
  Label5->hide();
  lCom = new QLabel(QStringLiteral("Port: "), this);
  lCom->setObjectName(QStringLiteral("lCom"));
  lCom->hide();

  BuildMenus();
  BuildToolbar();
  BuildNavigator();
  BuildStatusBar();

  auto *split = new QSplitter(Qt::Horizontal);
  split->addWidget(pTree);
  split->addWidget(Mdi);
  split->setStretchFactor(1, 1);
  split->setCollapsible(1, false);
  split->setSizes({180, 1000});
  setCentralWidget(split);

  Clock = new QTimer(this);
  Clock->setInterval(ClockInterval);
  connect(Clock, &QTimer::timeout, this, [this] {
    Panels[2]->setText(Now().toString(QStringLiteral("HH:mm:ss")));
  });
  Clock->start();
}

// The child windows go first, while the services their notifications call are still whole.
TfMainFrm::~TfMainFrm() {
  std::vector<QPointer<QMdiSubWindow>> subs;
  for (auto &entry : Children) subs.push_back(entry.second);
  for (auto &sub : subs) delete sub.data();
}

void TfMainFrm::BuildMenus() {
  for (const TMenuDef &d : MenuDefs) {
    QMenu *menu = menuBar()->addMenu(QString::fromLatin1(d.Caption));
    menu->setObjectName(QString::fromLatin1(d.Name));
    menu->menuAction()->setVisible(d.Shown);
    this->*d.Member = menu;
  }
  for (const TEntryDef &d : EntryDefs) {
    QMenu *menu = this->*d.Menu;
    const QString caption = QString::fromLatin1(d.Caption);
    QAction *a = caption == QLatin1String("-") ? menu->addSeparator() : menu->addAction(caption);
    a->setParent(this);
    a->setObjectName(QString::fromLatin1(d.Name));
    if (*d.Hint) {
      a->setToolTip(QString::fromLatin1(d.Hint));
      a->setStatusTip(QString::fromLatin1(d.Hint));
    }
    if (*d.Shortcut) a->setShortcut(QKeySequence(QString::fromLatin1(d.Shortcut)));
    a->setVisible(d.Shown);
    a->setProperty("command", d.Command);
    if (d.Command) connect(a, &QAction::triggered, this, [this, c = d.Command] { RunCommand(c); });
    this->*d.Member = a;
  }
  connect(nExit, &QAction::triggered, this, &QWidget::close);
  connect(T4, &QAction::triggered, this, [this] { pTree->setVisible(!pTree->isVisible()); });
  nCool->setCheckable(true);
  nCool->setChecked(true);
  connect(nCool, &QAction::toggled, this, [this](bool on) { tbar->setVisible(on); });
  nBar->setCheckable(true);
  nBar->setChecked(true);
  connect(nBar, &QAction::toggled, this, [this](bool on) { MainBar->setVisible(on); });
}

void TfMainFrm::BuildToolbar() {
  tbar = addToolBar(QStringLiteral("Toolbar"));
  tbar->setObjectName(QStringLiteral("tbar"));
  tbar->setToolButtonStyle(Qt::ToolButtonIconOnly);
  tbar->setMovable(false);
  tbar->toggleViewAction()->setEnabled(false);   // shown and hidden through View > Toolbar only
  for (const TToolDef &d : ToolDefs) {
    if (!d.Member) {
      tbar->addSeparator();
      continue;
    }
    const QIcon icon = QIcon::fromTheme(QString::fromLatin1(d.Theme), style()->standardIcon(d.Fallback));
    QAction *a = tbar->addAction(icon, QString::fromLatin1(d.Hint));
    a->setObjectName(QString::fromLatin1(d.Name));
    a->setToolTip(QString::fromLatin1(d.Hint));
    a->setProperty("command", d.Command);
    connect(a, &QAction::triggered, this, [this, c = d.Command] { RunCommand(c); });
    this->*d.Member = a;
  }
  // The channel-edit button and the divider that follows it are not shown.
  ToolButton3->setVisible(false);
  const QList<QAction *> actions = tbar->actions();
  const int at = int(actions.indexOf(ToolButton3));
  if (at >= 0 && at + 1 < actions.size() && actions[at + 1]->isSeparator()) actions[at + 1]->setVisible(false);
}

void TfMainFrm::BuildNavigator() {
  pTree = new QWidget;
  pTree->setObjectName(QStringLiteral("pTree"));
  TreeHide = new QToolButton(pTree);
  TreeHide->setObjectName(QStringLiteral("TreeHide"));
  TreeHide->setText(QStringLiteral("X"));
  TreeHide->setAutoRaise(true);
  connect(TreeHide, &QToolButton::clicked, pTree, &QWidget::hide);
  cxZL6405 = new QTreeWidget(pTree);
  cxZL6405->setObjectName(QStringLiteral("cxZL6405"));
  cxZL6405->setHeaderHidden(true);
  cxZL6405->setEditTriggers(QAbstractItemView::NoEditTriggers);
  auto *top = new QHBoxLayout;
  top->setContentsMargins(0, 0, 0, 0);
  top->addStretch();
  top->addWidget(TreeHide);
  auto *layout = new QVBoxLayout(pTree);
  layout->setContentsMargins(2, 2, 2, 2);
  layout->setSpacing(0);
  layout->addLayout(top);
  layout->addWidget(cxZL6405);

  auto *root = new QTreeWidgetItem(cxZL6405);
  root->setData(0, Qt::UserRole, 0);
  const int children[] = {Cmd::InfoMsg, Cmd::ChInfo, Cmd::KeyFun, Cmd::VoxFun, Cmd::OptFun};
  for (int command : children) {
    auto *node = new QTreeWidgetItem(root);
    node->setData(0, Qt::UserRole, command);
    if (command == Cmd::ChInfo) ChannelsNode = node;
  }
  for (int n = 1; n <= Layout::ChannelCount; ++n)
    (new QTreeWidgetItem(ChannelsNode))->setData(0, Qt::UserRole, int(Cmd::ChEdit));
  connect(cxZL6405, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem *item) {
    NavigatorActivate(item);
  });
}

void TfMainFrm::BuildStatusBar() {
  MainBar = statusBar();
  MainBar->setObjectName(QStringLiteral("MainBar"));
  MainBar->setSizeGripEnabled(true);
  for (int i = 0; i < 7; ++i) {
    Panels[i] = new QLabel(MainBar);
    Panels[i]->setObjectName(QStringLiteral("MainBarPanel%1").arg(i));
    if (i == PortPanel) Panels[i]->setMinimumWidth(PanelWidths[i]);
    else Panels[i]->setFixedWidth(PanelWidths[i]);
    MainBar->addWidget(Panels[i]);
  }
}

void TfMainFrm::SetTreeTexts() {
  QTreeWidgetItem *root = cxZL6405->topLevelItem(0);
  root->setText(0, AppState.SeriesName);
  const QAction *hints[] = {nInfo, nChInfo, nKey, nVox, nOpt};
  for (int i = 0; i < root->childCount(); ++i) root->child(i)->setText(0, hints[i]->toolTip());
  for (int n = 0; n < ChannelsNode->childCount(); ++n)
    ChannelsNode->child(n)->setText(0, Label5->text() + ' ' + QString::number(n + 1));
}

void TfMainFrm::UpdateStatus() {
  const QDateTime now = Now();
  Panels[0]->clear();
  Panels[1]->setText(now.toString(QStringLiteral("yyyy/MM/dd")));
  Panels[2]->setText(now.toString(QStringLiteral("HH:mm:ss")));
  QString port = lCom->text() + AppState.ComPort;
  const QString device = PortDevice(AppState.ComPort);
  if (!device.isEmpty()) port += QStringLiteral(" (%1)").arg(device);
  Panels[3]->setText(port);
  Panels[4]->setText(AppState.ModelName);
  Panels[5]->setText(AppState.BandName);
  setWindowTitle(CurrentFileName.isEmpty() ? AppState.SeriesName
                                           : AppState.SeriesName + QStringLiteral(" [") + CurrentFileName + ']');
}

void TfMainFrm::showEvent(QShowEvent *e) {
  QMainWindow::showEvent(e);
  if (Shown) return;
  Shown = true;
  FormShow();
}

// The end of the start-up: a blank image of the UHF model, the port check, the channel table.
void TfMainFrm::FormShow() {
  Mdi->setBackground(BackgroundPicture());
  StartWithBlankImage();
  QStringList ports;
  CheckComPort(&ports);
  cbCom->clear();
  cbCom->addItems(ports);
  CurrentFileName.clear();
  if (AppState.LanguageIndex > 0) TranslateForm(this, AppState.LanguageName, true);
  SetTreeTexts();
  setWindowTitle(AppState.SeriesName);
  UpdateStatus();
  OpenChild(Cmd::ChInfo);
  AppState.Modified = false;
  cxZL6405->expandAll();
  cxZL6405->setCurrentItem(cxZL6405->topLevelItem(0));
}

QWidget *TfMainFrm::Child(int command) const {
  const auto it = Children.find(command);
  return it != Children.end() && it->second ? it->second->widget() : nullptr;
}
TfChInfo *TfMainFrm::ChInfo() const { return qobject_cast<TfChInfo *>(Child(Cmd::ChInfo)); }
TfBInfoEdit *TfMainFrm::BInfoEdit() const { return qobject_cast<TfBInfoEdit *>(Child(Cmd::ChEdit)); }

QWidget *TfMainFrm::CreateChild(int command) {
  switch (command) {
  case Cmd::ChInfo: {
    auto *w = new TfChInfo;
    connect(w, &TfChInfo::ChannelSelected, this, [this] { SelectChannelNode(2); });
    connect(w, &TfChInfo::ChannelChanged, this, [this] { RefreshViews(2); });
    return w;
  }
  case Cmd::ChEdit: {
    auto *w = new TfBInfoEdit;
    connect(w, &TfBInfoEdit::ChannelWritten, this, [this] { RefreshViews(0); });
    connect(w, &TfBInfoEdit::ChannelStepped, this, [this] { SelectChannelNode(0); });
    return w;
  }
  case Cmd::KeyFun: return new TfKeyFun;
  case Cmd::VoxFun: return new TfVoxFun;
  case Cmd::OptFun: return new TfOptFun;
  case Cmd::InfoMsg: return new TfInfoMsg;
  case Cmd::PassWord: return new TfPassWord;
  default: return nullptr;
  }
}

QWidget *TfMainFrm::OpenChild(int command) {
  QPointer<QMdiSubWindow> &sub = Children[command];
  if (!sub) {
    QWidget *w = CreateChild(command);
    if (!w) return nullptr;
    sub = Mdi->addSubWindow(w);
    sub->setAttribute(Qt::WA_DeleteOnClose);
    sub->setWindowIcon(windowIcon());
    sub->move(ChildLeft, ChildTop);
    sub->show();
    sub->adjustSize();
  } else {
    sub->show();
  }
  if (sub->isMinimized()) sub->showNormal();
  Mdi->setActiveSubWindow(sub);
  sub->widget()->setFocus();
  return sub->widget();
}

void TfMainFrm::CloseAllChildren() {
  auto children = std::move(Children);
  Children.clear();
  for (auto &[command, sub] : children) {
    if (!sub) continue;
    // The channel table goes at once, so that a fresh one can follow straight away.
    if (command == Cmd::ChInfo) delete sub.data();
    else sub->close();
  }
}

void TfMainFrm::RefreshViews(int mode) {
  switch (mode) {
  case 0:
    if (TfChInfo *t = ChInfo()) t->RefreshRow(AppState.CurrentChannel);
    break;
  case 1:
    CloseAllChildren();
    OpenChild(Cmd::ChInfo);
    break;
  case 2:
    if (TfBInfoEdit *e = BInfoEdit()) e->ShowChannel();
    break;
  }
}

QTreeWidgetItem *TfMainFrm::ChannelNode(int channel) const {
  return channel >= 1 && channel <= ChannelsNode->childCount() ? ChannelsNode->child(channel - 1) : nullptr;
}

void TfMainFrm::SelectChannelNode(int mode) {
  if (QTreeWidgetItem *node = ChannelNode(AppState.CurrentChannel)) cxZL6405->setCurrentItem(node);
  if (TfChInfo *t = ChInfo()) t->SelectRow(AppState.CurrentChannel);
  if (mode == 2)
    if (TfBInfoEdit *e = BInfoEdit()) e->ShowChannel();
}

void TfMainFrm::NavigatorActivate(QTreeWidgetItem *item) {
  if (!item || item != cxZL6405->currentItem()) return;
  const int command = item->data(0, Qt::UserRole).toInt();
  if (command == Cmd::ChEdit && item->parent() == ChannelsNode)
    AppState.CurrentChannel = ChannelsNode->indexOfChild(item) + 1;
  RunCommand(command);
}

void TfMainFrm::RunCommand(int command) {
  if (TfChInfo *t = ChInfo()) t->HideEditors();
  switch (command) {
  case Cmd::New: NewFile(); break;
  case Cmd::Open: OpenFile(); break;
  case Cmd::Save: SaveFile(); break;
  case Cmd::SaveAs:
    CurrentFileName.clear();
    SaveFile();
    break;
  case Cmd::Print: PrintReport(false); break;
  case Cmd::Preview: PrintReport(true); break;
  case Cmd::ChInfo: case Cmd::KeyFun: case Cmd::VoxFun: case Cmd::OptFun: case Cmd::InfoMsg:
  case Cmd::PassWord:
    OpenChild(command);
    break;
  case Cmd::ChEdit:
    OpenChild(command);
    if (TfBInfoEdit *e = BInfoEdit()) e->ShowChannel();
    break;
  case Cmd::TestFrequency: { TfTestFrequency d(this); d.exec(); break; }
  case Cmd::EmbeddedMessage: { TfEmbeddedMessage d(this); d.exec(); break; }
  case Cmd::ReadRadio: {
    TfReadRadio d(this);
    d.exec();
    if (d.ReadDone) AfterRead();
    break;
  }
  case Cmd::WriteRadio: { TfWriteRadio d(this); d.exec(); break; }
  case Cmd::Model: ChooseModel(); break;
  case Cmd::Port: {
    TfSetPort d(this);
    d.exec();
    UpdateStatus();
    break;
  }
  case Cmd::Language: ChangeLanguage(); break;
  case Cmd::Cascade: Mdi->cascadeSubWindows(); break;
  case Cmd::TileHorizontally: TileChildren(true); break;
  case Cmd::TileVertically: TileChildren(false); break;
  case Cmd::ArrangeIcons: {
    // Minimised windows line up along the bottom edge of the document area.
    int x = 0;
    for (QMdiSubWindow *sub : Mdi->subWindowList())
      if (sub->isMinimized()) {
        sub->move(x, Mdi->viewport()->height() - sub->height());
        x += sub->width();
      }
    break;
  }
  case Cmd::CloseAll: {
    const QList<QMdiSubWindow *> subs = Mdi->subWindowList();
    for (auto it = subs.crbegin(); it != subs.crend(); ++it) (*it)->close();
    Children.clear();   // closed windows go on the next turn of the event loop: forget them now
    break;
  }
  case Cmd::Help: ShowHelp(); break;
  case Cmd::About: { TfFrmAbout d(this); d.exec(); break; }
  default: break;
  }
}

// Tiles the child windows one under the other (each wide) or side by side (each tall).
void TfMainFrm::TileChildren(bool horizontally) {
  QList<QMdiSubWindow *> subs;
  for (QMdiSubWindow *sub : Mdi->subWindowList())
    if (!sub->isMinimized() && sub->isVisible()) subs << sub;
  if (subs.isEmpty()) return;
  const QRect area = Mdi->viewport()->rect();
  const int n = int(subs.size());
  for (int i = 0; i < n; ++i) {
    subs[i]->showNormal();
    if (horizontally)
      subs[i]->setGeometry(0, area.height() * i / n, area.width(), area.height() / n);
    else
      subs[i]->setGeometry(area.width() * i / n, 0, area.width() / n, area.height());
  }
}

namespace {
// A view asked for its report rows: the open one, or one made for the purpose and dropped again.
template <class T> void AddRowsOf(T *open, TReportTables &tables) {
  if (open) {
    open->AddReportRows(tables);
    return;
  }
  T view;
  view.AddReportRows(tables);
}
}

void TfMainFrm::BuildReport() {
  ReportTables.myAdo.clear();
  ReportTables.myMain.clear();
  AddRowsOf(qobject_cast<TfInfoMsg *>(Child(Cmd::InfoMsg)), ReportTables);
  AddRowsOf(qobject_cast<TfKeyFun *>(Child(Cmd::KeyFun)), ReportTables);
  AddRowsOf(qobject_cast<TfVoxFun *>(Child(Cmd::VoxFun)), ReportTables);
  AddRowsOf(qobject_cast<TfOptFun *>(Child(Cmd::OptFun)), ReportTables);
  AddRowsOf(ChInfo(), ReportTables);
}

void TfMainFrm::PrintReport(bool preview) {
  BuildReport();
  QPrinter printer(QPrinter::HighResolution);
  SetReportPageLayout(&printer);
  if (preview) {
    QPrintPreviewDialog dialog(&printer, this);
    connect(&dialog, &QPrintPreviewDialog::paintRequested, this,
            [](QPrinter *p) { RenderReport(p, ReportTables); });
    dialog.exec();
  } else {
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() == QDialog::Accepted) RenderReport(&printer, ReportTables);
  }
}

bool TfMainFrm::AskSaveChanges() {
  if (!AppState.Modified) return true;
  if (ShowMsg(Messages.Confirmation, Messages.SaveProgram, MsgQuestion) != MsgYes) return true;
  // The user wants the changes kept: go on only when they really reached a file.
  return SaveFile();
}

void TfMainFrm::NewFile() {
  if (!AskSaveChanges()) return;
  StartNewImage();
}

void TfMainFrm::StartNewImage() {
  NewImage();
  CurrentFileName.clear();
  UpdateStatus();
  RefreshViews(1);
  AppState.Modified = false;
}

void TfMainFrm::OpenFile() {
  if (!AskSaveChanges()) return;
  const QString path = ChooseDataFile(this, TFileDialogKind::Open);
  if (!path.isEmpty()) LoadFile(path);
}

void TfMainFrm::LoadFile(const QString &path) {
  CurrentFileName = path;
  QString error;
  if (OpenDataFile(path, &error) == TOpenResult::Ok) {
    UpdateStatus();
    RefreshViews(1);
  } else {
    CurrentFileName.clear();
    ShowMsg(Messages.Confirmation, error, MsgInfo);
  }
  UpdateStatus();
}

bool TfMainFrm::SaveFile() {
  QString path = CurrentFileName;
  if (path.isEmpty()) path = ChooseDataFile(this, TFileDialogKind::Save);
  bool saved = false;
  if (!path.isEmpty()) {
    QString error;
    saved = SaveDataFile(path, &error);
    if (saved) CurrentFileName = path;
    else ShowMsg(Messages.Confirmation, error, MsgInfo);
  }
  UpdateStatus();
  return saved;
}

void TfMainFrm::AfterRead() {
  CurrentFileName.clear();
  UpdateStatus();
  RefreshViews(1);
}

void TfMainFrm::ChooseModel() {
  TfModel d(this);
  d.exec();
  if (!d.Confirmed) return;
  if (AppState.Modified &&
      ShowMsg(Messages.Confirmation, Messages.ClearData, MsgQuestion) != MsgYes)
    return;
  // Save the old image while its own model is still current, so the file's header matches it.
  if (!AskSaveChanges()) return;
  SelectModel(BandTable.CodeOf(d.ChosenBand()), true);
  StartNewImage();
}

void TfMainFrm::ChangeLanguage() {
  TfSetLanguage d(this);
  d.exec();
  if (!d.Changed) return;
  LoadMessages(AppState.LanguageName);
  TranslateForm(this, AppState.LanguageName, true);
  UpdateStatus();
  CloseAllChildren();
  SetTreeTexts();
  OpenChild(Cmd::ChInfo);
  // Unsaved edits stay marked: a new language must not make the exit question forget them.
}

QString TfMainFrm::HelpFilePath() const {
  const QString chm = AppState.AppPath + AppState.HelpPrefix + '_' + AppState.LanguageName + QStringLiteral(".chm");
  if (QFileInfo::exists(chm)) return chm;
  const QString manual = AppState.AppPath + QStringLiteral("Manual_%1.html").arg(AppState.LanguageName);
  if (QFileInfo::exists(manual)) return manual;
  return AppState.AppPath + QStringLiteral("Manual_English.html");
}

void TfMainFrm::ShowHelp() {
  const QString path = HelpFilePath();
  if (QFileInfo::exists(path)) QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

void TfMainFrm::closeEvent(QCloseEvent *e) {
  if (ShowMsg(Messages.Confirmation, Messages.ExitProgram, MsgQuestion) != MsgYes || !AskSaveChanges()) {
    e->ignore();
    return;
  }
  CloseAgreed = true;
  e->accept();
}
