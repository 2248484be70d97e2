#pragma once

#include "propertylist.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

class QWidget;

namespace corvanta {

class MenuItem;
class Picture;
class Window;
struct BoundProperty;
struct TextStyle;

// A control placed in a window. Positions are window coordinates, also for a
// control placed inside another control (its InitialParent); hiding that
// enclosing control hides the controls placed in it.
class RectControl : public std::enable_shared_from_this<RectControl> {
public:
    RectControl();
    virtual ~RectControl();
    RectControl(const RectControl&) = delete;
    RectControl& operator=(const RectControl&) = delete;

    virtual const char* className() const = 0;

    // Creates the Qt widget in the owning window (set by Window::New).
    void Constructor();

    std::string Name() const;
    std::shared_ptr<Window> OwnerWindow() const;

    std::int64_t Left() const;
    std::int64_t Top() const;
    std::int64_t Width() const;
    std::int64_t Height() const;
    void SetLeft(std::int64_t v);
    void SetTop(std::int64_t v);
    void SetWidth(std::int64_t v);
    void SetHeight(std::int64_t v);
    bool Visible() const;
    void SetVisible(bool v);
    bool Enabled() const;
    void SetEnabled(bool v);

    // Applies a property list record by record (see propertylist.h).
    void SetProperties(std::string_view list);

    QWidget* widget() const;

protected:
    // Subclasses create their widget and give the properties of their own
    // table (see private/propertytypes.h); a record is looked up there, then
    // among the font records of a text control, then among the properties
    // every control has.
    virtual QWidget* createWidget(QWidget* parent) = 0;
    virtual std::optional<BoundProperty> property(const std::string& name);
    // A text control's font records; nil for the other controls.
    virtual TextStyle* textStyle() { return nullptr; }
    // Called once the control is registered and its window is built.
    virtual void opened() {}

private:
    friend class Window;
    void setOwner(const std::shared_ptr<Window>& window);
    void setName(const std::string& name);
    void raiseOpen();
    void place();

    struct Impl;
    std::unique_ptr<Impl> d;
};

class Label : public RectControl {
public:
    Label();
    ~Label() override;
    const char* className() const override { return "Label"; }

    std::string Text() const;
    void SetText(const std::string& text);
    Color TextColor() const;
    void SetTextColor(Color color);
    bool Bold() const;
    void SetBold(bool bold);
    // 0 left, 1 centre, 2 right.
    std::int64_t TextAlign() const;
    void SetTextAlign(std::int64_t align);

    // Raised once, when the window that holds the label has been built.
    std::function<void(const std::shared_ptr<Label>&)> Open;

protected:
    QWidget* createWidget(QWidget* parent) override;
    std::optional<BoundProperty> property(const std::string& name) override;
    TextStyle* textStyle() override;
    void opened() override;

private:
    struct Impl;
    std::unique_ptr<Impl> d;
};

// A single-line text field. Mask: "9" a digit, "A" a letter (kept as typed,
// upper or lower case); the field refuses what the mask does not admit and
// holds at most as many characters as the mask has places. A paste into a
// masked field drops blanks (spaces, tabs, line ends) first.
class TextField : public RectControl {
public:
    TextField();
    ~TextField() override;
    const char* className() const override { return "TextField"; }

    std::string Text() const;
    void SetText(const std::string& text);
    std::string Mask() const;
    void SetMask(const std::string& mask);

    std::function<void(const std::shared_ptr<TextField>&)> TextChange;
    // True: the click is handled and the field does not see it.
    std::function<bool(const std::shared_ptr<TextField>&, std::int64_t x, std::int64_t y)> MouseDown;
    // Given the base menu; True pops the base menu up.
    std::function<bool(
        const std::shared_ptr<TextField>&, const std::shared_ptr<MenuItem>& base, std::int64_t x, std::int64_t y)>
        ConstructContextualMenu;

    // The Edit commands on this field.
    void Undo();
    void Cut();
    void Copy();
    void Paste();
    void Clear();
    void SelectAll();

protected:
    QWidget* createWidget(QWidget* parent) override;
    std::optional<BoundProperty> property(const std::string& name) override;
    TextStyle* textStyle() override;

private:
    struct Impl;
    std::unique_ptr<Impl> d;
};

// A pop-up menu of rows; InitialValue holds the rows, each after a carriage return.
class PopupMenu : public RectControl {
public:
    PopupMenu();
    ~PopupMenu() override;
    const char* className() const override { return "PopupMenu"; }

    std::int64_t ListIndex() const;
    void SetListIndex(std::int64_t index);
    // Text of the selected row; empty when none is.
    std::string Text() const;
    std::int64_t ListCount() const;
    std::string List(std::int64_t row) const;
    void SetInitialValue(const std::string& rows);

    std::function<void(const std::shared_ptr<PopupMenu>&)> Change;

protected:
    QWidget* createWidget(QWidget* parent) override;
    std::optional<BoundProperty> property(const std::string& name) override;
    TextStyle* textStyle() override;

private:
    struct Impl;
    std::unique_ptr<Impl> d;
};

// A push button. The default button of a window is pressed by Return or
// Enter while it is enabled.
class PushButton : public RectControl {
public:
    PushButton();
    ~PushButton() override;
    const char* className() const override { return "PushButton"; }

    std::string Caption() const;
    void SetCaption(const std::string& caption);
    bool Default() const;
    void SetDefault(bool isDefault);
    bool Cancel() const;
    void SetCancel(bool isCancel);

    std::function<void(const std::shared_ptr<PushButton>&)> Action;

protected:
    QWidget* createWidget(QWidget* parent) override;
    std::optional<BoundProperty> property(const std::string& name) override;
    TextStyle* textStyle() override;

private:
    struct Impl;
    std::unique_ptr<Impl> d;
};

// A filled rectangle with a border: top and left edges in TopLeftColor,
// bottom and right in BottomRightColor.
class Rectangle : public RectControl {
public:
    Rectangle();
    ~Rectangle() override;
    const char* className() const override { return "Rectangle"; }

    Color FillColor() const;
    void SetFillColor(Color color);
    Color TopLeftColor() const;
    void SetTopLeftColor(Color color);
    Color BottomRightColor() const;
    void SetBottomRightColor(Color color);
    std::int64_t BorderWidth() const;
    void SetBorderWidth(std::int64_t width);

protected:
    QWidget* createWidget(QWidget* parent) override;
    std::optional<BoundProperty> property(const std::string& name) override;

private:
    struct Impl;
    std::unique_ptr<Impl> d;
};

// Draws its backdrop picture, scaled to the canvas.
class Canvas : public RectControl {
public:
    Canvas();
    ~Canvas() override;
    const char* className() const override { return "Canvas"; }

    std::shared_ptr<Picture> Backdrop() const;
    void SetBackdrop(const std::shared_ptr<Picture>& picture);

protected:
    QWidget* createWidget(QWidget* parent) override;
    std::optional<BoundProperty> property(const std::string& name) override;

private:
    struct Impl;
    std::unique_ptr<Impl> d;
};

class ImageWell : public RectControl {
public:
    ImageWell();
    ~ImageWell() override;
    const char* className() const override { return "ImageWell"; }

    std::shared_ptr<Picture> Image() const;
    void SetImage(const std::shared_ptr<Picture>& picture);

protected:
    QWidget* createWidget(QWidget* parent) override;

private:
    struct Impl;
    std::unique_ptr<Impl> d;
};

// Whether the mouse-down being handled is a contextual click (the right
// button, or Control with the left button).
bool IsContextualClick();

} // namespace corvanta
