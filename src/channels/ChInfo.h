#pragma once
// Channel Information: all channels of the image in one table, edited in place.
#include "core/ReportTables.h"
#include <QPointer>
#include <functional>
#include <QStringList>
#include <QTableWidget>

class QComboBox;
class QListWidget;

// The grid of the channel table: lets the window end in-cell editing, and starts typing only
// in the frequency columns.
class TChannelGrid : public QTableWidget {
  Q_OBJECT
public:
  using QTableWidget::QTableWidget;
  void EndEdit();   // commits the text being typed and closes the cell editor
  std::function<bool(int row, int column)> CanType;
  QPointer<QWidget> Editor;   // the open cell editor

protected:
  bool edit(const QModelIndex &index, EditTrigger trigger, QEvent *event) override;
};

class TfChInfo : public QWidget {
  Q_OBJECT
public:
  explicit TfChInfo(QWidget *parent = nullptr);
  ~TfChInfo() override;

  // Columns of the table (the window's column 1 is column 0 here).
  enum TColumn { ColNo, ColRx, ColTx, ColRxTone, ColTxTone, ColPower, ColWidth, ColScan, ColCompander,
                 ColScrambler, ColBusy, ColumnCount };

  void LoadFromImage();        // build the columns and fill every row
  void RefreshRow(int channel);
  void SelectRow(int channel); // moves the selection without any notification
  void HideEditors();          // ends in-cell editing and hides the drop-downs
  void AddReportRows(TReportTables &tables);

  QString NoneText() const { return NoneText_; }
  QSize sizeHint() const override { return Preferred.isValid() ? Preferred : QWidget::sizeHint(); }
  QString HiddenValue(int row, int column) const;

  TChannelGrid *gvData;
  QComboBox *cbQT, *cbDQT, *cbfsgl, *cbkz, *cbHave, *cbfmsd;
  QListWidget *BColText;       // titles, widths and cell kinds of the columns; never shown

signals:
  void ChannelSelected();      // CurrentChannel moved to another row
  void ChannelChanged();       // a field of CurrentChannel was written

protected:
  void showEvent(QShowEvent *e) override;
  bool eventFilter(QObject *watched, QEvent *event) override;

private:
  void BuildColumns();
  void ShowRow(int row);
  void gvDataSetForeText(int row, int column, const QString &text);
  void gvDataSelectCell(int row, int column);
  void gvDataMouseDown(int row, int column);
  void ShowDropDown();
  void DropDownChange(QComboBox *box);
  void ToneDblClick(QComboBox *box);
  void ApplyTypedTone(QComboBox *box);
  void WriteCell(int row, int column);
  void NewChannel(int row);
  void ClearChannel(int row);
  void CheckCurrentChannel(int row);
  void HideDropDown(QComboBox *box, bool focusGrid);
  QComboBox *DropDownOf(int column) const;
  QTableWidgetItem *Cell(int row, int column);
  void SetCell(int row, int column, const QString &text, const QString &hidden);
  bool RowHasRx(int row) const;
  bool Typable(int row, int column) const;

  QString NoneText_;
  QList<int> CellKinds;         // per column, from BColText
  QSize Preferred;              // every column wide, every row high
  int Loading = 0;
  int SelRow = -1, SelCol = -1;   // the remembered cell
};
