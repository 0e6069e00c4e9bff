#pragma once
// Channel Tone Option: picks a CTCSS tone or a DCS code from tables of every tone the radio knows.
#include <QDialog>
#include <QSet>
#include <QStringList>

class QGroupBox;
class QRadioButton;
class QTableWidget;

class TfToneOption : public QDialog {
  Q_OBJECT
public:
  explicit TfToneOption(QWidget *parent = nullptr);
  enum TKind { Ctcss = 0, DcsN = 1, DcsI = 2 };

  QString Result;   // the picked tone; empty when nothing was picked

  QGroupBox *GroupBox1, *gbCode;
  QRadioButton *rbCTCSS, *rbDCSN, *rbDCSI;
  QTableWidget *Tables[3];

  // Double-click handling of the visible table (public so that tests can pick a cell).
  void TableDblClick(int kind, int row, int column);

protected:
  void showEvent(QShowEvent *e) override;

private:
  void BuildTables();
  void KindClick();
  QStringList KindNames;            // group caption by kind
  QSet<int> Pickable[3];            // columns that can be picked, per table
};

// Opens the picker modally and returns the picked tone text, or an empty text.
QString PickTone(QWidget *parent);
