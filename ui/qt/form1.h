#pragma once

#include "ui/form.h"
#include "ui/view.h"
#include "ui/window_layout.h"

#include <QMainWindow>

#include <array>

class QButtonGroup;
class QComboBox;
class QPlainTextEdit;

namespace ui::qt {

// The calculator's one window: every control at its fixed place, bound so that each user event
// reaches exactly one handler of the form. It keeps no state of its own; the form owns it all
// and tells the window what to change through the View calls.
//
// Every widget's objectName is its layout name. An element of a control array is named after
// the array and its index joined by an underscore: Option2(1) is "Option2_1", Label1(4) is
// "Label1_4", the menu item Language(3) is "Language_3".
class Form1 final : public QMainWindow, public View {
    Q_OBJECT

public:
    explicit Form1(QWidget* parent = nullptr);

    // The load step: runs once, after the controls exist and before the window is first shown.
    void load();

    const Form& form() const { return m_form; }

    void setControlEnabled(Control c, bool enabled) override;
    void setControlVisible(Control c, bool visible) override;
    void setCaption(Control c, std::string_view caption) override;
    int selectedIndex(Control list) const override;
    std::string selectedText(Control list) const override;
    void setEntryText(Control list, int entry, std::string_view text) override;
    void setResultText(std::string_view text) override;
    void setResultName(std::string_view name) override;
    void showMessage(std::string_view title, std::string_view text) override;
    std::string decimalSeparator() const override;

private:
    // The steps that build the window, in the order the constructor runs them.
    void buildMenu();
    QWidget* buildClientArea();
    void buildControls(QWidget* client); // every control of the layout, at its place and in its start state
    void nameListsByTheirRows();
    void orderFocus();
    void bindEvents();

    QWidget* createControl(QWidget* container, const layout::ControlLayout& info);
    QComboBox* createList(QWidget* container, Control c);

    QWidget* control(Control c) const { return m_controls[static_cast<std::size_t>(c)]; }
    QComboBox* list(Control c) const;
    QPlainTextEdit* resultBox() const;

    // Every control of the layout, by ui::Control; they are owned by their Qt parents.
    std::array<QWidget*, kControlCount> m_controls{};
    QButtonGroup* m_models = nullptr; // Option2: ids 1 to 3
    QButtonGroup* m_modes = nullptr;  // Option1: ids 0 and 1
    Form m_form{*this};
};

} // namespace ui::qt
