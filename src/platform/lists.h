#pragma once
// List boxes and combo boxes.
//
// ListBox: items in a list, one selectable or several (SetMultiSelect: a
// click toggles an item). Click runs once per user change of the selection
// and once for every assignment from code of Selected(i) or ListIndex, also
// when the assignment changes nothing (a handler that recomputes from the
// selection relies on it). AddItem, RemoveItem and Clear raise nothing.
//
// ComboBox: a drop-down list. ListIndex is -1 when nothing is chosen;
// setting it (to -1 too) runs Click once, and so does the user's choice.
// AddItem, RemoveItem and Clear raise nothing.
//
// Every index is the program's own (the lists are filled and read by code):
// out of range it is a program fault (rt::ProgramFault).
#include <QComboBox>
#include <QFont>
#include <QListWidget>
#include <functional>
#include <optional>

#include "platform/controls.h"

namespace plat {

class ListBox : public QListWidget {
    Q_OBJECT
public:
    explicit ListBox(const QString& name = QString(), QWidget* parent = nullptr);

    void SetMultiSelect(bool multi);
    void AddItem(const QString& text, int index = -1);
    void RemoveItem(int index);
    void Clear();
    int ListCount() const { return count(); }
    QString List(int index) const;
    // Every item, in order; SetItems puts such a list back in place of the items.
    QStringList Items() const;
    void SetItems(const QStringList& items);

    // The item with the focus (in a single-choice list, the chosen one).
    int ListIndex() const { return currentRow(); }
    void SetListIndex(int index);
    bool Selected(int index) const;
    void SetSelected(int index, bool selected);
    int SelCount() const { return static_cast<int>(selectedItems().size()); }
    QString Text() const;

    bool SetFocus() { return FocusControl(this); }

    std::function<void()> Click;

private:
    void ExpectItem(int index) const;
    bool fromCode_ = false;
};

class ComboBox : public QComboBox {
    Q_OBJECT
public:
    explicit ComboBox(const QString& name = QString(), QWidget* parent = nullptr);

    void AddItem(const QString& text, int index = -1);
    void RemoveItem(int index);
    void Clear() { clear(); }
    int ListCount() const { return count(); }
    QString List(int index) const;
    int ListIndex() const { return currentIndex(); }
    void SetListIndex(int index);
    QString Text() const { return currentText(); }

    bool SetFocus() { return FocusControl(this); }

    // Sizes the list to its entries, so that none is cut; call them after
    // filling the list. WidenListToEntries makes the open list as wide as
    // the widest entry needs; FitToEntries also makes the closed box's font
    // smaller (from the one it had at the first call, down to minPixels)
    // until the widest entry fits the box.
    void WidenListToEntries();
    void FitToEntries(int minPixels = 9);
    // Keeps the chosen entry whole in the closed box from now on, for a box
    // whose entries may be far wider than it: when the chosen one does not
    // fit, the closed box (not its open list) takes the largest smaller size
    // of its font, down to minPixels, at which it does, and condensed
    // letters when even that size is too wide.
    void FitChosenEntry(int minPixels = 8);
    // The width the closed box gives the chosen entry's text.
    int TextRoom() const;
    // The width the widest entry takes in the box's font.
    int WidestEntry() const;

    std::function<void()> Click;

private:
    void FitChosen();
    std::optional<QFont> baseFont_;
    int minChosenPixels_ = 0;  // 0 when the chosen entry is not fitted
};

}  // namespace plat
