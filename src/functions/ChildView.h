#pragma once
// A child window of the main window's document area that shows part of the image. It fills
// itself from the image each time it is shown (changes reach the image at once, so there is
// nothing to keep between showings) and closes through its Close button.
#include <QWidget>

class QBoxLayout;
class QPushButton;

class TChildView : public QWidget {
  Q_OBJECT
public:
  // Translates the window and fills its controls; writes nothing back.
  virtual void LoadFromImage() = 0;
  void btnCancelClick();

  bool Loading = false;   // set while the controls are filled: their change handlers do nothing
  QPushButton *btnCancel = nullptr;

protected:
  TChildView(const QString &name, const QString &caption, QWidget *parent);
  // Puts the Close button at the bottom right of the window's layout and fixes the window's
  // size: what the layout needs, at least the given client area.
  void FinishLayout(QBoxLayout *outer, int width, int height);
  void showEvent(QShowEvent *event) override;
};
