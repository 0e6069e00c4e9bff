#include "shell/TranslateForm.h"
#include "core/AllClass.h"
#include "core/IniFile.h"
#include "core/Language.h"
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QToolButton>

namespace {
int Tag(const QObject *o) { return o->property("tag").toInt(); }

// The components a window owns: its descendants, but not those of the windows it holds
// (child windows of the document area, dialogs), which translate themselves.
void OwnedComponents(const QObject *parent, QObjectList &out) {
  for (QObject *child : parent->children()) {
    if (const auto *w = qobject_cast<const QWidget *>(child))
      if (qobject_cast<const QMdiSubWindow *>(w) || (w->isWindow() && !qobject_cast<const QMenu *>(w))) continue;
    out << child;
    OwnedComponents(child, out);
  }
}
}

void TranslateForm(QWidget *form, const QString &languageName, bool withLists) {
  if (!form) return;
  const TIniFile ini(LanguageFilePath(languageName));
  if (!ini.Exists()) return;
  const QString section = form->objectName();
  const auto read = [&](const QString &name, const QString &suffix, const QString &current) {
    return ini.ReadString(section, name + '.' + suffix, current);
  };
  form->setWindowTitle(read(section, QStringLiteral("Caption"), form->windowTitle()));

  QObjectList objects;
  OwnedComponents(form, objects);
  for (QObject *o : objects) {
    const QString name = o->objectName();
    if (name.isEmpty()) continue;
    if (auto *label = qobject_cast<QLabel *>(o)) {
      label->setText(read(name, QStringLiteral("Caption"), label->text()));
    } else if (auto *menu = qobject_cast<QMenu *>(o)) {
      menu->setTitle(read(name, QStringLiteral("Caption"), menu->title()));
    } else if (auto *action = qobject_cast<QAction *>(o)) {
      // Menu entries and toolbar buttons are actions: caption and hint.
      action->setText(read(name, QStringLiteral("Caption"), action->text()));
      const QString hint = read(name, QStringLiteral("Hint"), action->toolTip());
      action->setToolTip(hint);
      action->setStatusTip(hint);
    } else if (auto *tool = qobject_cast<QToolButton *>(o)) {
      tool->setText(read(name, QStringLiteral("Caption"), tool->text()));
      tool->setToolTip(read(name, QStringLiteral("Hint"), tool->toolTip()));
    } else if (auto *button = qobject_cast<QAbstractButton *>(o)) {
      // push buttons, check boxes and radio buttons
      button->setText(read(name, QStringLiteral("Caption"), button->text()));
    } else if (auto *grid = qobject_cast<QTableWidget *>(o)) {
      if (Tag(grid) == -2) continue;
      for (int k = 1; k <= grid->columnCount(); ++k) {
        QTableWidgetItem *item = grid->horizontalHeaderItem(k - 1);
        if (!item) continue;
        item->setText(ini.ReadString(section, name + '.' + QString::number(k), item->text()));
      }
    } else if (auto *combo = qobject_cast<QComboBox *>(o)) {
      if (!withLists || Tag(combo) == -2) continue;
      const int selected = combo->currentIndex();
      const QString typed = combo->isEditable() ? combo->currentText() : QString();
      const int last = Tag(combo) == -3 ? qMin(1, combo->count()) : combo->count();
      const QSignalBlocker block(combo);
      for (int i = 0; i < last; ++i)
        combo->setItemText(i, ini.ReadString(section, name + '.' + QString::number(i), combo->itemText(i)));
      combo->setCurrentIndex(selected);
      if (combo->isEditable() && selected < 0) combo->setEditText(typed);
    } else if (auto *group = qobject_cast<QGroupBox *>(o)) {
      group->setTitle(read(name, QStringLiteral("Caption"), group->title()));
    } else if (auto *list = qobject_cast<QListWidget *>(o)) {
      if (Tag(list) == -2) continue;
      for (int i = 0; i < list->count(); ++i)
        list->item(i)->setText(ini.ReadString(section, name + '.' + QString::number(i), list->item(i)->text()));
    } else if (auto *page = qobject_cast<QWidget *>(o)) {
      // A tab page: its caption is the tab's text.
      auto *stack = page->parentWidget();
      auto *tabs = stack ? qobject_cast<QTabWidget *>(stack->parentWidget()) : nullptr;
      const int index = tabs ? tabs->indexOf(page) : -1;
      if (index >= 0) tabs->setTabText(index, read(name, QStringLiteral("Caption"), tabs->tabText(index)));
    }
  }
}

void TranslateIfSelected(QWidget *form, bool withLists) {
  if (AppState.LanguageIndex > 0) TranslateForm(form, AppState.LanguageName, withLists);
}
