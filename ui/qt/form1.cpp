#include "ui/qt/form1.h"

#include "lang/language_texts.h"
#include "ui/captioned_controls.h"
#include "ui/qt/drop_down_list.h"
#include "ui/qt/frame_box.h"
#include "ui/qt/message_box.h"
#include "ui/qt/option_button.h"
#include "ui/qt/window_font.h"
#include "ui/window_layout.h"

#include <kolvex/version.h>

#include <QAction>
#include <QButtonGroup>
#include <QComboBox>
#include <QFont>
#include <QIcon>
#include <QLabel>
#include <QLayout>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStringList>

#include <algorithm>
#include <cstddef>
#include <cstdint>

namespace ui::qt {

namespace {

// Placing controls in Qt's device-independent pixels lets Qt scale the whole window on a
// high-density screen.
QRect toPixels(layout::Twips t) {
    using layout::kDesignDpi;
    return {layout::toPixels(t.left, kDesignDpi), layout::toPixels(t.top, kDesignDpi),
            layout::toPixels(t.width, kDesignDpi), layout::toPixels(t.height, kDesignDpi)};
}

QString toQt(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// A row caption, drawn in the label font. A few translated captions are wider than their label;
// such a label draws its caption in a narrower cut of the font (a stretch in percent), keeping
// family and size, and gets the plain font back once its caption fits again. Captions never
// wrap, as a second line would be cut off.
class CaptionLabel final : public QLabel {
public:
    explicit CaptionLabel(QWidget* container) : QLabel(container) {
        setTextFormat(Qt::PlainText);
        setAlignment(Qt::AlignLeft | Qt::AlignTop);
    }

    // Fitted to the label's width as it is set.
    void setCaption(const QString& caption) {
        setText(caption);
        setFont(cut(layout::captionCut(kPlain, 2, [this](int stretch) {
            setFont(cut(stretch));
            return measure();
        })));
    }

private:
    static constexpr int kPlain = 100; // the font's own stretch

    static QFont cut(int stretch) {
        QFont font = captionFont();
        if (stretch != kPlain) {
            font.setStretch(stretch);
        }
        return font;
    }

    layout::CaptionRoom measure() const {
        const int caption = fontMetrics().horizontalAdvance(text());
        // The size hint adds the label's margins to the text.
        return {caption, width() - (sizeHint().width() - caption)};
    }
};

// What a list offers as the window opens.
QStringList initialEntries(Control list) {
    QStringList texts;
    for (std::size_t entry = 0; entry < layout::entryCount(list); ++entry) {
        texts.append(QString::fromStdString(layout::entryText(list, entry)));
    }
    return texts;
}

} // namespace

Form1::Form1(QWidget* parent) : QMainWindow(parent) {
    useDropDownStyle(); // first: a new application style resets the menus' fonts
    useWindowFont();
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(toQt(layout::kTitleBeforeVersion) + toQt(kolvex::kVersion));
    // Minimise and close, but no maximise: the window has one size.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    QIcon icon;
    icon.addFile(QStringLiteral(":/icons/kolvex-calculator-16.png"), QSize(16, 16));
    icon.addFile(QStringLiteral(":/icons/kolvex-calculator-32.png"), QSize(32, 32));
    setWindowIcon(icon);

    buildMenu();
    buildControls(buildClientArea());
    nameListsByTheirRows();
    setResultName(initialResultBoxName());
    orderFocus();
    bindEvents();

    // The client area has a fixed size; the menu bar sits on top of it, however tall the style
    // draws it.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    layout()->activate();
}

void Form1::load() {
    m_form.onLoad();
}

void Form1::buildMenu() {
    menuBar()->setObjectName(QStringLiteral("MenuBar"));
    QMenu* menu = menuBar()->addMenu(toQt(layout::kLanguageMenuCaption));
    menu->setObjectName(toQt(layout::kLanguageMenuName));
    for (std::size_t i = 0; i < lang::kLanguageNames.size(); ++i) {
        QAction* item = menu->addAction(toQt(lang::kLanguageNames[i]));
        item->setObjectName(QStringLiteral("%1_%2").arg(toQt(layout::kLanguageItemsName)).arg(i));
        connect(item, &QAction::triggered, this,
                [this, index = static_cast<int>(i)] { m_form.languageItemChosen(index); });
    }
}

QWidget* Form1::buildClientArea() {
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("ClientArea"));
    client->setFixedSize(layout::toPixels(layout::kClientWidth, layout::kDesignDpi),
                         layout::toPixels(layout::kClientHeight, layout::kDesignDpi));
    setCentralWidget(client);
    return client;
}

void Form1::buildControls(QWidget* client) {
    // The option groups, one per frame; an option's id in its group is its index in its control
    // array.
    m_models = new QButtonGroup(this);
    m_models->setObjectName(QStringLiteral("Option2"));
    m_modes = new QButtonGroup(this);
    m_modes->setObjectName(QStringLiteral("Option1"));
    // Each container's children in stacking order, so a later one lies above an earlier one.
    for (const layout::ControlLayout& info : layout::kControls) {
        QWidget* container = info.container ? control(*info.container) : client;
        QWidget* widget = createControl(container, info);
        widget->setObjectName(toQt(info.name));
        widget->setGeometry(toPixels(info.at));
        widget->setEnabled(info.enabled);
        if (!info.visible) {
            widget->setVisible(false);
        }
        m_controls[static_cast<std::size_t>(info.id)] = widget;
    }
}

QWidget* Form1::createControl(QWidget* container, const layout::ControlLayout& info) {
    switch (info.kind) {
    case layout::Kind::Frame: {
        auto* frame = new FrameBox(container);
        frame->setTitle(toQt(info.caption));
        return frame;
    }
    case layout::Kind::OptionButton: {
        auto* option = new OptionButton(toQt(info.caption), container);
        (info.raises == layout::Event::ModeChosen ? m_modes : m_models)->addButton(option, info.element);
        return option;
    }
    case layout::Kind::DropDownList:
        return createList(container, info.id);
    case layout::Kind::Label: {
        auto* label = new CaptionLabel(container);
        label->setGeometry(toPixels(info.at)); // the width its caption is fitted to
        label->setCaption(toQt(info.caption));
        return label;
    }
    case layout::Kind::CommandButton: {
        auto* button = new QPushButton(toQt(info.caption), container);
        // Enter presses a focused button as Space does, as on any Windows dialog.
        button->setAutoDefault(true);
        return button;
    }
    case layout::Kind::TextBox: {
        auto* box = new QPlainTextEdit(container);
        box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        box->setLineWrapMode(QPlainTextEdit::WidgetWidth);
        // Tab leaves the result box for the next control instead of typing a tab into it.
        box->setTabChangesFocus(true);
        return box;
    }
    }
    return nullptr;
}

QComboBox* Form1::createList(QWidget* container, Control c) {
    // Select-only.
    auto* box = new DropDownList(container);
    box->setMaxVisibleItems(layout::kVisibleEntries);
    box->addItems(initialEntries(c));
    // Filling a list selects its first entry; the lists start with nothing chosen.
    box->setCurrentIndex(-1);
    return box;
}

void Form1::nameListsByTheirRows() {
    // A screen reader announces a list by its row caption.
    for (const auto& [c, item] : kCaptionedControls) {
        if (const auto row = layout::listOfRowCaption(c)) {
            static_cast<QLabel*>(control(c))->setBuddy(list(*row));
        }
    }
}

void Form1::orderFocus() {
    // Focus moves in the order of the controls' tab indices; frames and labels take no focus.
    QWidget* previous = nullptr;
    for (const Control c : layout::kFocusOrder) {
        QWidget* next = control(c);
        if (previous != nullptr) {
            setTabOrder(previous, next);
        }
        previous = next;
    }
    control(layout::kStartFocus)->setFocus();
}

void Form1::bindEvents() {
    for (const layout::ControlLayout& info : layout::kControls) {
        const Control c = info.id;
        switch (info.kind) {
        case layout::Kind::OptionButton:
            // A click reaches the handler even on the option that is already selected.
            connect(static_cast<QAbstractButton*>(control(c)), &QAbstractButton::clicked, this,
                    [this, c] { m_form.optionClicked(c); });
            break;
        case layout::Kind::DropDownList:
            // activated, unlike currentIndexChanged, fires for every choice the user makes, the same
            // entry again included, and never for the form's own rewriting of entries.
            connect(list(c), &QComboBox::activated, this, [this, c] { m_form.listChosen(c); });
            break;
        case layout::Kind::CommandButton:
            connect(static_cast<QAbstractButton*>(control(c)), &QAbstractButton::clicked, this,
                    [this, c] { m_form.buttonClicked(c); });
            break;
        default:
            break;
        }
    }
}

QPlainTextEdit* Form1::resultBox() const {
    return static_cast<QPlainTextEdit*>(control(Control::Text1));
}

QComboBox* Form1::list(Control c) const {
    return qobject_cast<QComboBox*>(control(c));
}

void Form1::setControlEnabled(Control c, bool enabled) {
    control(c)->setEnabled(enabled);
}

void Form1::setControlVisible(Control c, bool visible) {
    control(c)->setVisible(visible);
}

void Form1::setCaption(Control c, std::string_view caption) {
    QWidget* widget = control(c);
    if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        button->setText(toQt(caption));
    } else if (auto* label = dynamic_cast<CaptionLabel*>(widget)) {
        label->setCaption(toQt(caption));
    }
}

void Form1::setResultName(std::string_view name) {
    resultBox()->setAccessibleName(toQt(name));
}

int Form1::selectedIndex(Control c) const {
    const QComboBox* box = list(c);
    return box != nullptr ? box->currentIndex() : -1;
}

std::string Form1::selectedText(Control c) const {
    const QComboBox* box = list(c);
    return box != nullptr ? box->currentText().toStdString() : std::string();
}

void Form1::setEntryText(Control c, int entry, std::string_view text) {
    if (QComboBox* box = list(c)) {
        box->setItemText(entry, toQt(text));
    }
}

void Form1::setResultText(std::string_view text) {
    resultBox()->setPlainText(toQt(text));
}

void Form1::showMessage(std::string_view title, std::string_view text) {
    MessageBox box(toQt(title), toQt(text), this);
    box.exec();
}

std::string Form1::decimalSeparator() const {
    return QLocale::system().decimalPoint().toStdString();
}

} // namespace ui::qt
