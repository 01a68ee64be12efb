#include "ComboBox.h"

#include "HandlerGuard.h"
#include "ItemDrawing.h"
#include "ItemStrings.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QSignalBlocker>
#include <QStyledItemDelegate>

#include <algorithm>

// Draws the list items of the owner-drawn styles through the control.
class ComboItemDelegate : public QStyledItemDelegate {
public:
    ComboItemDelegate(TCustomComboBox *Owner, QObject *Parent) : QStyledItemDelegate(Parent), owner_(Owner) {}
    void paint(QPainter *Painter, const QStyleOptionViewItem &Option, const QModelIndex &Index) const override
    {
        const TComboBoxStyle style = owner_->style_;
        if (style != csOwnerDrawFixed && style != csOwnerDrawVariable) {
            QStyledItemDelegate::paint(Painter, Option, Index);
            return;
        }
        TOwnerDrawState state;
        if (Option.state & QStyle::State_Selected)
            state.Include(odSelected).Include(odFocused);
        if (!(Option.state & QStyle::State_Enabled))
            state.Include(odDisabled);
        DrawOwnerItem(owner_, &owner_->itemCanvas_, Painter, Option.rect, state,
                      [&](const TRect &r) { owner_->DrawItem(Index.row(), r, state); });
    }
    QSize sizeHint(const QStyleOptionViewItem &Option, const QModelIndex &Index) const override
    {
        QSize s = QStyledItemDelegate::sizeHint(Option, Index);
        if (owner_->style_ == csOwnerDrawFixed)
            s.setHeight(owner_->itemHeight_);
        if (owner_->style_ == csOwnerDrawVariable) {
            int height = owner_->itemHeight_;
            GuardHandler("item measuring", owner_->Name(), [&] { owner_->MeasureItem(Index.row(), height); });
            // What a list item can be: at least a line, at most 255 pixels.
            s.setHeight(std::clamp(height, 1, 255));
        }
        return s;
    }

private:
    TCustomComboBox *owner_;
};

// The Qt combo box of a TCustomComboBox: tells its control when the list
// opens and closes. The drop-down list (a window of its own with a list view,
// some tens of kilobytes) is made when it first opens, with the control's
// item delegate and font: a window holds hundreds of combo boxes whose lists
// are never opened.
class ComboWidget : public QComboBox {
public:
    explicit ComboWidget(TCustomComboBox *Owner) : owner_(Owner) {}
    bool PopupMade() const { return popupMade_; }
    void showPopup() override
    {
        MakePopup();
        bool go = true;
        GuardHandler("drop-down", owner_->Name(), [&] {
            std::shared_ptr<bool> alive = owner_->aliveToken_;
            owner_->DropDown();
            go = *alive;
        });
        if (!go)
            return;
        const int listWidth = owner_->listWidth_ > 0 ? owner_->listWidth_ : width();
        view()->setMinimumWidth(listWidth);
        QComboBox::showPopup();
        if (QWidget *popup = view()->window(); popup && popup->width() < listWidth)
            popup->resize(listWidth, popup->height());
    }
    // The combo box's own painting first, then the control's Paint over it.
    void paintEvent(QPaintEvent *Event) override
    {
        QComboBox::paintEvent(Event);
        QPainter p(this);
        owner_->PaintWith(&p, Rect(0, 0, owner_->Width(), owner_->Height()));
    }
    void hidePopup() override
    {
        const bool wasOpen = popupMade_ && view()->isVisible();
        QComboBox::hidePopup();
        if (wasOpen)
            GuardHandler("close-up", owner_->Name(), [this] { owner_->CloseUp(); });
    }
    // Qt's combo box makes its list on a font change, to hand the font on;
    // until the list is made, the font waits for MakePopup.
    void changeEvent(QEvent *Event) override
    {
        if (Event->type() == QEvent::FontChange && !popupMade_) {
            QWidget::changeEvent(Event);
            return;
        }
        QComboBox::changeEvent(Event);
    }
    void MakePopup()
    {
        if (popupMade_)
            return;
        popupMade_ = true;
        setItemDelegate(new ComboItemDelegate(owner_, this));
        view()->window()->setFont(font());
        view()->doItemsLayout();
        // After Qt's own filter on the list, so this one sees keys first.
        view()->installEventFilter(this);
    }
    // AutoCloseUp: a key that moves the open list to another item chooses
    // it. The key goes to the list as usual; the move is read afterwards.
    bool eventFilter(QObject *Watched, QEvent *Event) override
    {
        if (Watched != view() || Event->type() != QEvent::KeyPress || !owner_->autoCloseUp_ || inListKey_)
            return QComboBox::eventFilter(Watched, Event);
        auto *key = static_cast<QKeyEvent *>(Event);
        switch (key->key()) {
        case Qt::Key_Enter:
        case Qt::Key_Return:
        case Qt::Key_Escape:
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
        case Qt::Key_F4:
            return QComboBox::eventFilter(Watched, Event); // Qt's own choosing and closing
        default:
            break;
        }
        if (key->modifiers() & Qt::AltModifier)
            return QComboBox::eventFilter(Watched, Event);
        const int before = view()->currentIndex().row();
        inListKey_ = true;
        QCoreApplication::sendEvent(view(), Event);
        inListKey_ = false;
        const int after = view()->currentIndex().row();
        if (after >= 0 && after != before && view()->isVisible()) {
            std::shared_ptr<bool> alive = owner_->aliveToken_;
            hidePopup();
            if (*alive && after < count()) {
                setCurrentIndex(after);
                owner_->UserSelected();
            }
        }
        return true;
    }
    TCustomComboBox *owner_;
    bool popupMade_ = false;
    bool inListKey_ = false;
};

TCustomComboBox::TCustomComboBox(TComponent *AOwner, TComboBoxStyle InitialStyle)
    : TWinControl(AOwner, new ComboWidget(this)), box_(static_cast<QComboBox *>(Widget())),
      items_(std::make_unique<TComboBoxStrings>(box_, [this](int Index) {
          GuardHandler("item deletion", Name(), [&] { ItemDeleting(Index); });
      }))
{
    style_ = InitialStyle;
    SetControlStyle(TControlStyle{csSetCaption, csDoubleClicks});
    SetTabStop(true);
    SetBounds(0, 0, 145, 21);
    ApplyStyle();
    QObject::connect(box_, qOverload<int>(&QComboBox::activated), box_, [this](int) { UserSelected(); });
    QObject::connect(box_, &QComboBox::editTextChanged, box_, [this](const QString &t) {
        if (!box_->lineEdit() || !box_->lineEdit()->isModified())
            return; // set by code or by a selection
        box_->lineEdit()->setModified(false);
        FollowEditedText(t);
        syncing_ = true;
        SetText(t);
        syncing_ = false;
        GuardHandler("change", Name(), [this] { Change(); });
    });
}

TCustomComboBox::~TCustomComboBox() = default;

void TCustomComboBox::UserSelected()
{
    syncing_ = true;
    SetText(box_->currentText());
    syncing_ = false;
    GuardHandler("selection", Name(), [this] {
        std::shared_ptr<bool> alive = aliveToken_;
        Click();
        if (*alive)
            Select();
    });
}

void TCustomComboBox::FollowEditedText(const QString &Typed)
{
    const int i = box_->findText(Typed, Qt::MatchFixedString);
    if (i == box_->currentIndex())
        return;
    // Qt keeps the old item current under an edited text, and changing the
    // current item rewrites the edit: put back the text, caret and selection.
    QLineEdit *e = box_->lineEdit();
    const int caret = e->cursorPosition();
    const int selStart = e->selectionStart();
    const int selLength = e->selectedText().size();
    QSignalBlocker block(box_);
    QSignalBlocker blockEdit(e);
    box_->setCurrentIndex(i);
    e->setText(Typed);
    if (selLength > 0)
        e->setSelection(caret == selStart ? selStart + selLength : selStart, caret == selStart ? -selLength : selLength);
    else
        e->setCursorPosition(caret);
}

void TCustomComboBox::ApplyStyle()
{
    QSignalBlocker block(box_);
    const int index = box_->currentIndex();
    const bool editable = style_ == csDropDown || style_ == csSimple;
    box_->setEditable(editable);
    if (editable) {
        box_->setInsertPolicy(QComboBox::NoInsert);
        box_->setCompleter(nullptr);
    }
    box_->setCurrentIndex(index);
    if (editable)
        box_->setEditText(Text());
    RelayoutList();
}

void TCustomComboBox::RelayoutList()
{
    // A made list keeps the item heights it measured until told.
    if (static_cast<ComboWidget *>(box_)->PopupMade())
        box_->view()->doItemsLayout();
}

int TCustomComboBox::ItemIndex() const
{
    return box_->currentIndex();
}

void TCustomComboBox::SetItemIndex(int Value)
{
    if (Value < -1 || Value >= box_->count())
        return;
    QSignalBlocker block(box_);
    box_->setCurrentIndex(Value);
    syncing_ = true;
    SetText(Value >= 0 ? box_->itemText(Value) : QString());
    if (box_->lineEdit())
        box_->setEditText(Text());
    syncing_ = false;
}

void TCustomComboBox::SetStyle(TComboBoxStyle Value)
{
    if (Value == style_)
        return;
    style_ = Value;
    ApplyStyle();
}

int TCustomComboBox::DropDownCount() const
{
    return box_->maxVisibleItems();
}

void TCustomComboBox::SetDropDownCount(int Value)
{
    box_->setMaxVisibleItems(std::max(Value, 1));
}

void TCustomComboBox::SetItemHeight(int Value)
{
    if (Value <= 0 || Value == itemHeight_)
        return;
    itemHeight_ = Value;
    RelayoutList();
}

bool TCustomComboBox::DroppedDown() const
{
    return static_cast<ComboWidget *>(box_)->PopupMade() && box_->view()->isVisible();
}

void TCustomComboBox::SetDroppedDown(bool Value)
{
    if (Value == DroppedDown())
        return;
    Value ? box_->showPopup() : box_->hidePopup();
}

QLineEdit *TCustomComboBox::LineEdit() const
{
    return box_->lineEdit();
}

int TCustomComboBox::SelStart() const
{
    QLineEdit *e = box_->lineEdit();
    if (!e)
        return 0;
    return e->hasSelectedText() ? e->selectionStart() : e->cursorPosition();
}

void TCustomComboBox::SetSelStart(int Value)
{
    if (QLineEdit *e = box_->lineEdit())
        e->setCursorPosition(Value);
}

int TCustomComboBox::SelLength() const
{
    QLineEdit *e = box_->lineEdit();
    return e ? e->selectedText().size() : 0;
}

void TCustomComboBox::SetSelLength(int Value)
{
    if (QLineEdit *e = box_->lineEdit())
        e->setSelection(SelStart(), Value);
}

int TCustomComboBox::FindItemByPrefix(const QString &Prefix) const
{
    if (Prefix.isEmpty())
        return -1;
    for (int i = 0; i < box_->count(); ++i)
        if (box_->itemText(i).startsWith(Prefix, Qt::CaseInsensitive))
            return i;
    return -1;
}

void TCustomComboBox::DrawItem(int Index, const TRect &Rect, TOwnerDrawState State)
{
    if (OnDrawItem) {
        OnDrawItem(this, Index, Rect, State);
        return;
    }
    itemCanvas_.FillRect(Rect);
    if (Index >= 0 && Index < box_->count())
        itemCanvas_.TextOut(Rect.Left + 2, Rect.Top, box_->itemText(Index));
}

void TCustomComboBox::MeasureItem(int Index, int &Height)
{
    if (OnMeasureItem)
        OnMeasureItem(this, Index, Height);
}

void TCustomComboBox::Change()
{
    if (OnChange)
        OnChange(this);
}

void TCustomComboBox::Select()
{
    if (OnSelect)
        OnSelect(this);
    else
        Change();
}

void TCustomComboBox::DropDown()
{
    listWidth_ = dropDownWidth_ > 0 ? dropDownWidth_ : 0;
    if (OnDropDown)
        OnDropDown(this);
}

void TCustomComboBox::CloseUp()
{
    if (OnCloseUp)
        OnCloseUp(this);
}

void TCustomComboBox::TextChanged()
{
    if (syncing_)
        return;
    QSignalBlocker block(box_);
    int i = box_->findText(Text(), Qt::MatchFixedString);
    if (!box_->isEditable()) {
        box_->setCurrentIndex(i);
        return;
    }
    if (i >= 0 && box_->currentIndex() != i)
        box_->setCurrentIndex(i);
    box_->setEditText(Text());
}

void TCustomComboBox::ColorChanged()
{
    TWinControl::ColorChanged();
    QPalette p = box_->palette();
    p.setColor(QPalette::Base, ToQColor(Color()));
    p.setColor(QPalette::Button, ToQColor(Color()));
    box_->setPalette(p);
    if (QLineEdit *e = box_->lineEdit())
        e->setPalette(p);
}

bool TCustomComboBox::WidgetEvent(QObject *Watched, QEvent *Event)
{
    if (Event->type() == QEvent::KeyPress && !box_->isEditable()) {
        // The list styles: the control's keys first; what they leave of a
        // character is not searched by Qt.
        auto *key = static_cast<QKeyEvent *>(Event);
        std::shared_ptr<bool> alive = aliveToken_;
        if (TWinControl::WidgetEvent(Watched, Event) || !*alive)
            return true;
        if (!key->text().isEmpty() && key->text()[0].isPrint()) {
            Event->accept();
            return true;
        }
        return false;
    }
    return TWinControl::WidgetEvent(Watched, Event);
}
