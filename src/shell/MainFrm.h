#pragma once
// The main window: menus, toolbar, navigator, status bar and the document area in which the
// editors open, at most one of each kind. Every command number goes through RunCommand.
#include <QMainWindow>
#include <QPointer>
#include <map>

class QAction;
class QComboBox;
class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QTimer;
class QToolBar;
class QToolButton;
class QTreeWidget;
class QTreeWidgetItem;
class TfBInfoEdit;
class TfChInfo;

// Command numbers of the menu entries, toolbar buttons and navigator nodes.
namespace Cmd {
enum : int {
  New = 1, Open = 2, Save = 3, SaveAs = 4, Print = 5, Preview = 6,
  ChInfo = 10, ChEdit = 11, KeyFun = 12, VoxFun = 13, OptFun = 14, InfoMsg = 15, PassWord = 16,
  TestFrequency = 17, EmbeddedMessage = 18, ReadRadio = 20, WriteRadio = 21,
  Model = 30, Port = 31, Language = 32,
  Cascade = 50, TileHorizontally = 51, TileVertically = 52, ArrangeIcons = 53, CloseAll = 54,
  Help = 60, About = 61
};
}

class TfMainFrm : public QMainWindow {
  Q_OBJECT
public:
  explicit TfMainFrm(QWidget *parent = nullptr);
  ~TfMainFrm() override;

  void RunCommand(int command);
  QWidget *OpenChild(int command);
  void CloseAllChildren();
  void RefreshViews(int mode);
  void SelectChannelNode(int mode);
  void UpdateStatus();
  void SetTreeTexts();
  void AfterRead();
  bool SaveFile();                       // Save: true when the image reached a file
  void LoadFile(const QString &path);    // loads a data file into the image, as Open does
  QWidget *Child(int command) const;     // the open child window of a command, or nullptr
  TfChInfo *ChInfo() const;
  TfBInfoEdit *BInfoEdit() const;
  QString HelpFilePath() const;          // the help file that command 60 opens
  void NavigatorActivate(QTreeWidgetItem *item);
  void BuildReport();                    // fills the report tables from the views
  void PrintReport(bool preview);
  QTreeWidgetItem *ChannelNode(int channel) const;

  QString CurrentFileName;
  bool CloseAgreed = false;              // the user agreed to end the program

  QMenu *nFile, *nEdit, *nProgram, *nSetup, *nView, *nWindow, *nHelp;
  QAction *N1, *O1, *S2, *A1, *N11, *P2, *V2, *N3, *nExit;
  QAction *nChInfo, *nChEdit, *D1, *nKey, *nVox, *nOpt, *nInfo, *D5, *P0, *E10, *E11;
  QAction *R1, *W2, *N2;
  QAction *N4, *N9, *C2, *nLanguage;
  QAction *T4, *N8, *nCool, *nBar;
  QAction *nC, *nH, *nV, *npl, *N13, *nCloseAll;
  QAction *nHelpTopics, *N10, *nAbout;
  QToolBar *tbar;
  QAction *tbNew, *tbOpen, *tbSave, *ToolButton3, *tbPrint, *tbRead, *tbWrite, *tbHelp;
  QComboBox *cbCom;                      // the ports present; never shown
  QWidget *pTree;
  QToolButton *TreeHide;
  QTreeWidget *cxZL6405;
  QMdiArea *Mdi;
  QStatusBar *MainBar;
  QLabel *Panels[7];
  QLabel *Label5, *lCom;                 // never shown: translatable prefixes
  QTimer *Clock;

protected:
  void showEvent(QShowEvent *e) override;
  void closeEvent(QCloseEvent *e) override;

private:
  void BuildMenus();
  void BuildToolbar();
  void BuildNavigator();
  void BuildStatusBar();
  void FormShow();
  QWidget *CreateChild(int command);
  bool AskSaveChanges();
  void NewFile();
  void StartNewImage();
  void OpenFile();
  void ChooseModel();
  void ChangeLanguage();
  void ShowHelp();
  void TileChildren(bool horizontally);

  bool Shown = false;
  std::map<int, QPointer<QMdiSubWindow>> Children;
  QTreeWidgetItem *ChannelsNode = nullptr;
};
