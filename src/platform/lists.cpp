#include "platform/lists.h"

#include <QAbstractItemView>
#include <QFontInfo>
#include <QFontMetrics>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <algorithm>

#include "platform/guard.h"
#include "runtime/errors.h"

namespace plat {

ListBox::ListBox(const QString& name, QWidget* parent) : QListWidget(parent) {
    setObjectName(name);
    setSelectionMode(QAbstractItemView::SingleSelection);
    connect(this, &QListWidget::itemSelectionChanged, this, [this] {
        if (!fromCode_ && Click) Guarded(Click);
    });
}

void ListBox::ExpectItem(int index) const { rt::ExpectIndex(index, 0, count() - 1, "item of a list"); }

void ListBox::SetMultiSelect(bool multi) {
    setSelectionMode(multi ? QAbstractItemView::MultiSelection : QAbstractItemView::SingleSelection);
}

void ListBox::AddItem(const QString& text, int index) {
    rt::ExpectIndex(index, -1, count(), "place of a new item of a list");
    fromCode_ = true;
    insertItem(index < 0 ? count() : index, text);
    fromCode_ = false;
}

void ListBox::RemoveItem(int index) {
    ExpectItem(index);
    fromCode_ = true;
    delete takeItem(index);
    fromCode_ = false;
}

void ListBox::Clear() {
    fromCode_ = true;
    clear();
    fromCode_ = false;
}

QString ListBox::List(int index) const {
    ExpectItem(index);
    return item(index)->text();
}

QStringList ListBox::Items() const {
    QStringList items;
    for (int i = 0; i < count(); ++i) items << item(i)->text();
    return items;
}

void ListBox::SetItems(const QStringList& items) {
    fromCode_ = true;
    clear();
    addItems(items);
    fromCode_ = false;
}

QString ListBox::Text() const {
    const int i = currentRow();
    return i >= 0 ? item(i)->text() : QString();
}

void ListBox::SetListIndex(int index) {
    rt::ExpectIndex(index, -1, count() - 1, "item of a list");
    fromCode_ = true;
    if (selectionMode() == QAbstractItemView::MultiSelection)
        setCurrentRow(index, QItemSelectionModel::NoUpdate);
    else
        setCurrentRow(index);
    if (index < 0 && selectionMode() != QAbstractItemView::MultiSelection) clearSelection();
    fromCode_ = false;
    if (Click) Click();
}

bool ListBox::Selected(int index) const {
    ExpectItem(index);
    return item(index)->isSelected();
}

void ListBox::SetSelected(int index, bool selected) {
    ExpectItem(index);
    fromCode_ = true;
    item(index)->setSelected(selected);
    fromCode_ = false;
    if (Click) Click();
}

ComboBox::ComboBox(const QString& name, QWidget* parent) : QComboBox(parent) {
    setObjectName(name);
    setEditable(false);
    connect(this, &QComboBox::activated, this, [this] {
        if (Click) Guarded(Click);
    });
}

void ComboBox::AddItem(const QString& text, int index) {
    rt::ExpectIndex(index, -1, count(), "place of a new item of a list");
    const int chosen = currentIndex();
    insertItem(index < 0 ? count() : index, text);
    if (chosen < 0) setCurrentIndex(-1);  // a first item is not chosen by itself
}

void ComboBox::RemoveItem(int index) {
    rt::ExpectIndex(index, 0, count() - 1, "item of a list");
    const bool wasChosen = index == currentIndex();
    removeItem(index);
    if (wasChosen) setCurrentIndex(-1);
}

QString ComboBox::List(int index) const {
    rt::ExpectIndex(index, 0, count() - 1, "item of a list");
    return itemText(index);
}

void ComboBox::SetListIndex(int index) {
    rt::ExpectIndex(index, -1, count() - 1, "item of a list");
    setCurrentIndex(index);
    if (Click) Click();
}

int ComboBox::TextRoom() const {
    QStyleOptionComboBox opt;
    opt.initFrom(this);
    opt.editable = isEditable();
    // The style draws the text one pixel in from either side of the edit
    // field and clips it there.
    return style()->subControlRect(QStyle::CC_ComboBox, &opt, QStyle::SC_ComboBoxEditField, this).width() - 2;
}

int ComboBox::WidestEntry() const {
    const QFontMetrics fm(font());
    int widest = 0;
    for (int i = 0; i < count(); ++i) widest = std::max(widest, fm.horizontalAdvance(itemText(i)));
    return widest;
}

namespace {
int PixelSize(const QFont& f) { return f.pixelSize() > 0 ? f.pixelSize() : QFontInfo(f).pixelSize(); }
}  // namespace

void ComboBox::FitToEntries(int minPixels) {
    if (!baseFont_) baseFont_ = font();
    QFont f = *baseFont_;
    int pixels = PixelSize(f);
    setFont(f);
    while (WidestEntry() > TextRoom() && pixels > minPixels) {
        f.setPixelSize(--pixels);
        setFont(f);
    }
    WidenListToEntries();
}

void ComboBox::WidenListToEntries() {
    // The widest entry in the open list's font, its margins and a scroll bar.
    const QFontMetrics fm(view()->font());
    int widest = 0;
    for (int i = 0; i < count(); ++i) widest = std::max(widest, fm.horizontalAdvance(itemText(i)));
    const int frame = 2 * view()->frameWidth() + 8 + style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    view()->setMinimumWidth(std::max(width(), widest + frame));
}

void ComboBox::FitChosenEntry(int minPixels) {
    if (!baseFont_) baseFont_ = font();
    view()->setFont(*baseFont_);  // the open list keeps the box's own font
    const bool connected = minChosenPixels_ > 0;
    minChosenPixels_ = std::max(1, minPixels);
    if (!connected) connect(this, &QComboBox::currentIndexChanged, this, [this] { FitChosen(); });
    FitChosen();
}

void ComboBox::FitChosen() {
    const QString text = currentText();
    const int room = TextRoom();
    auto fits = [&](const QFont& f) { return QFontMetrics(f).horizontalAdvance(text) <= room; };
    QFont f = *baseFont_;
    for (int pixels = PixelSize(f); !fits(f) && pixels > minChosenPixels_;) f.setPixelSize(--pixels);
    if (!fits(f)) f.setStretch(QFont::Condensed);
    setFont(f);
}

}  // namespace plat
