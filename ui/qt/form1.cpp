#include "ui/qt/form1.h"

#include "calc/value_tables.h"
#include "lang/captions.h"
#include "lang/language_table.h"
#include "ui/captioned_controls.h"
#include "ui/qt/drop_down_list.h"
#include "ui/qt/frame_box.h"
#include "ui/qt/message_box.h"
#include "ui/qt/option_button.h"
#include "ui/qt/window_font.h"

#include <kolvex/version.h>

#include <QAbstractListModel>
#include <QAction>
#include <QButtonGroup>
#include <QComboBox>
#include <QFont>
#include <QHash>
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

namespace ui {

// A control's place in twips, from the top-left corner of its container. Inside a frame that is
// the frame's own corner, which is also the origin of a QGroupBox's child coordinates.
struct Twips {
    int left;
    int top;
    int width;
    int height;
};

namespace {

// The version comes from the project's; the rest of the title never changes.
constexpr std::string_view kTitleBeforeVersion = "Kolvex DVR Record time calculator Ver ";

// The layout is laid out in twips, 15 to a pixel at 96 dots per inch. Placing controls in Qt's
// device-independent pixels lets Qt scale the whole window on a high-density screen.
constexpr int kTwipsPerPixel = 15;
constexpr int kClientWidth = 8385 / kTwipsPerPixel;
constexpr int kClientHeight = 4665 / kTwipsPerPixel;

QRect toPixels(Twips t) {
    return {t.left / kTwipsPerPixel, t.top / kTwipsPerPixel, t.width / kTwipsPerPixel, t.height / kTwipsPerPixel};
}

QString qt(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

template <class Widget>
Widget* place(QWidget* container, std::string_view name, Twips at) {
    auto* widget = new Widget(container);
    widget->setObjectName(qt(name));
    widget->setGeometry(toPixels(at));
    return widget;
}

// A row caption, drawn in the label font. A few translated captions are wider than their label;
// such a label draws its caption in a narrower cut of the font, just enough to fit, keeping
// family and size, and gets the plain font back once its caption fits again. Captions never
// wrap, as a second line would be cut off. The captions the window opens with are fitted just
// before the label is first drawn: measuring loads the label font, which drawing loads anyway,
// and the window is built and shown without it. A caption set later is fitted at once.
class CaptionLabel final : public QLabel {
public:
    using QLabel::QLabel;

    enum class Fit { Now, WhenDrawn };

    void setCaption(const QString& caption, Fit fit) {
        setText(caption);
        m_fitPending = fit == Fit::WhenDrawn;
        if (m_fitPending) {
            setFont(captionFont()); // the font is the label's from the start, only its fit waits
        } else {
            fitCaption();
        }
    }

protected:
    void paintEvent(QPaintEvent* event) override {
        if (m_fitPending) {
            m_fitPending = false;
            // A narrower cut set here is the one this paint draws with.
            fitCaption();
        }
        QLabel::paintEvent(event);
    }

private:
    struct TextRoom {
        int text; // pixels the caption takes
        int room; // pixels the label has for it
    };

    TextRoom measure() const {
        const int caption = fontMetrics().horizontalAdvance(text());
        // The size hint adds the label's margins to the text.
        return {caption, width() - (sizeHint().width() - caption)};
    }

    void fitCaption() {
        constexpr int kNarrowest = 70; // percent of the plain width; narrower stops being readable
        setFont(captionFont());
        TextRoom m = measure();
        // A cut is about as much narrower as its stretch says; the steps after the first guess
        // make up for rounding and for fonts that have a condensed face of their own.
        for (int stretch = std::max(kNarrowest, 100 * m.room / std::max(m.text, 1));
             m.text > m.room && stretch >= kNarrowest; stretch -= 2) {
            QFont narrower = captionFont();
            narrower.setStretch(stretch);
            setFont(narrower);
            m = measure();
        }
    }

    bool m_fitPending = false;
};

CaptionLabel* rowCaption(QWidget* frame, std::string_view name, Twips at, QComboBox* list) {
    auto* label = place<CaptionLabel>(frame, name, at);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // Its font comes with its caption, see setCaption.
    // A screen reader announces the list by its row caption.
    label->setBuddy(list);
    return label;
}

// Select-only.
DropDownList* dropDownList(QWidget* frame, std::string_view name, Twips at, const QStringList& entries) {
    auto* list = place<DropDownList>(frame, name, at);
    list->setMaxVisibleItems(14);
    list->addItems(entries);
    // Filling a list selects its first entry; the lists start with nothing chosen.
    list->setCurrentIndex(-1);
    return list;
}

template <class Entries, class Text>
QStringList textsOf(const Entries& entries, Text text) {
    QStringList texts;
    texts.reserve(static_cast<qsizetype>(entries.size()));
    for (const auto& entry : entries) {
        texts.append(qt(text(entry)));
    }
    return texts;
}

// The 999 record speeds "1/1" to "1/999", made when they are asked for rather than held as
// 999 items from the start, which would cost the window a noticeable part of its start-up
// time and memory. An entry's text can still be rewritten, as in any list.
class SpeedEntries final : public QAbstractListModel {
public:
    using QAbstractListModel::QAbstractListModel;

    int rowCount(const QModelIndex& parent) const override {
        return parent.isValid() ? 0 : static_cast<int>(calc::kSpeedEntryCount);
    }

    QVariant data(const QModelIndex& index, int role) const override {
        if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole)) {
            return {};
        }
        const auto rewritten = m_rewritten.constFind(index.row());
        return rewritten != m_rewritten.cend() ? *rewritten
                                               : qt(calc::speedEntryText(static_cast<std::size_t>(index.row())));
    }

    bool setData(const QModelIndex& index, const QVariant& value, int role) override {
        if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole)) {
            return false;
        }
        m_rewritten.insert(index.row(), value.toString());
        emit dataChanged(index, index, {Qt::DisplayRole, Qt::EditRole});
        return true;
    }

private:
    QHash<int, QString> m_rewritten;
};

constexpr auto asIs = [](std::string_view text) { return text; };

// What a list offers as the window opens; Combo4's speeds come from a model of their own.
QStringList initialEntries(Control list) {
    switch (list) {
    case Control::Combo1:
        return textsOf(calc::kVideoSystemEntries, asIs);
    case Control::Combo2:
        return textsOf(calc::kQualityEntries, asIs);
    case Control::Combo3: // until the first video system choice, those of the 4CH model in NTSC
        return textsOf(calc::resolutionRow(1, 0), [](const calc::ResolutionEntry& e) { return e.text; });
    case Control::Combo5:
        return textsOf(calc::kRecordHours, [](const calc::HoursEntry& e) { return e.text; });
    case Control::Combo6:
        return textsOf(calc::kHddSizes, [](const calc::HddEntry& e) { return e.text; });
    default:
        return {};
    }
}

} // namespace

Form1::Form1(QWidget* parent) : QMainWindow(parent) {
    useWindowFont();
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(qt(kTitleBeforeVersion) + qt(kolvex::kVersion));
    // Minimise and close, but no maximise: the window has one size.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    QIcon icon;
    icon.addFile(QStringLiteral(":/icons/kolvex-calculator-16.png"), QSize(16, 16));
    icon.addFile(QStringLiteral(":/icons/kolvex-calculator-32.png"), QSize(32, 32));
    setWindowIcon(icon);

    buildMenu();
    QWidget* client = buildClientArea();
    buildModelFrame(client);
    buildModeFrame(client);
    buildResultBox(client);
    buildSettingsFrame(client);
    setInitialCaptions();
    setStartStates();
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
    QMenu* menu = menuBar()->addMenu(QStringLiteral("&Language"));
    menu->setObjectName(QStringLiteral("Language_Main"));
    for (std::size_t i = 0; i < lang::kLanguageNames.size(); ++i) {
        QAction* item = menu->addAction(qt(lang::kLanguageNames[i]));
        item->setObjectName(QStringLiteral("Language_%1").arg(i));
        connect(item, &QAction::triggered, this,
                [this, index = static_cast<std::int16_t>(i)] { m_form.onLanguageChosen(index); });
    }
}

QWidget* Form1::buildClientArea() {
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("ClientArea"));
    client->setFixedSize(kClientWidth, kClientHeight);
    setCentralWidget(client);
    return client;
}

void Form1::buildModelFrame(QWidget* client) {
    auto* frame3 = place<FrameBox>(client, "Frame3", {120, 120, 8175, 615});
    frame3->setTitle(QStringLiteral("DVR MODEL"));
    auto* option2_1 = place<OptionButton>(frame3, "Option2_1", {120, 240, 1215, 255});
    auto* option2_3 = place<OptionButton>(frame3, "Option2_3", {2760, 240, 1815, 255});
    auto* option2_2 = place<OptionButton>(frame3, "Option2_2", {1560, 240, 855, 255});
    option2_1->setText(qt(calc::kModelCaptions[0]));
    option2_2->setText(qt(calc::kModelCaptions[1]));
    option2_3->setText(qt(calc::kModelCaptions[2]));
    // An option's id in its group is its index in its control array.
    m_models = new QButtonGroup(this);
    m_models->setObjectName(QStringLiteral("Option2"));
    m_models->addButton(option2_1, 1);
    m_models->addButton(option2_2, 2);
    m_models->addButton(option2_3, 3);
}

void Form1::buildModeFrame(QWidget* client) {
    auto* frame2 = place<FrameBox>(client, "Frame2", {120, 720, 8175, 615});
    auto* option1_1 = addControl<OptionButton>(frame2, Control::Option1_1, {3240, 240, 4455, 255});
    auto* option1_0 = addControl<OptionButton>(frame2, Control::Option1_0, {240, 240, 2655, 255});
    m_modes = new QButtonGroup(this);
    m_modes->setObjectName(QStringLiteral("Option1"));
    m_modes->addButton(option1_0, 0);
    m_modes->addButton(option1_1, 1);
}

void Form1::buildResultBox(QWidget* client) {
    m_text1 = place<QPlainTextEdit>(client, "Text1", {4320, 1440, 3975, 3135});
    m_text1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_text1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_text1->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    // Tab leaves the result box for the next control instead of typing a tab into it.
    m_text1->setTabChangesFocus(true);
}

void Form1::buildSettingsFrame(QWidget* client) {
    auto* frame1 = place<FrameBox>(client, "Frame1", {120, 1320, 4095, 3255});
    addList(frame1, Control::Combo5, {2400, 2280, 1575, 300});
    addButton(frame1, Control::Clear_BTN, {480, 2760, 1335, 375});
    addList(frame1, Control::Combo1, {2400, 360, 1575, 300});
    addList(frame1, Control::Combo2, {2400, 840, 1575, 300});
    addList(frame1, Control::Combo3, {2400, 1320, 1575, 300});
    addList(frame1, Control::Combo4, {2400, 1800, 1575, 300});
    addButton(frame1, Control::Count_BTN, {2160, 2760, 1335, 375});
    addList(frame1, Control::Combo6, {2400, 2280, 1575, 300});
    addRowCaption(frame1, Control::Label1_5, {120, 2280, 2175, 375}, Control::Combo6);
    addRowCaption(frame1, Control::Label1_4, {120, 2280, 1935, 375}, Control::Combo5);
    addRowCaption(frame1, Control::Label1_0, {120, 360, 2175, 375}, Control::Combo1);
    addRowCaption(frame1, Control::Label1_1, {120, 840, 2175, 375}, Control::Combo2);
    addRowCaption(frame1, Control::Label1_2, {120, 1320, 2175, 375}, Control::Combo3);
    addRowCaption(frame1, Control::Label1_3, {120, 1800, 2175, 375}, Control::Combo4);
}

template <class Widget>
Widget* Form1::addControl(QWidget* container, Control c, const Twips& at) {
    auto* widget = place<Widget>(container, controlName(c), at);
    m_controls[static_cast<std::size_t>(c)] = widget;
    return widget;
}

void Form1::addButton(QWidget* frame, Control c, const Twips& at) {
    // Enter presses a focused button as Space does, as on any Windows dialog.
    addControl<QPushButton>(frame, c, at)->setAutoDefault(true);
}

void Form1::addList(QWidget* frame, Control c, const Twips& at) {
    QComboBox* list = dropDownList(frame, controlName(c), at, initialEntries(c));
    if (c == Control::Combo4) {
        list->setModel(new SpeedEntries(list));
        list->setCurrentIndex(-1);
    }
    m_controls[static_cast<std::size_t>(c)] = list;
}

void Form1::addRowCaption(QWidget* frame, Control c, const Twips& at, Control list) {
    m_controls[static_cast<std::size_t>(c)] = rowCaption(frame, controlName(c), at, this->list(list));
}

void Form1::setInitialCaptions() {
    for (const auto& [c, item] : kCaptionedControls) {
        const std::string_view caption = lang::kInitialCaptions[item];
        if (auto* label = dynamic_cast<CaptionLabel*>(control(c))) {
            label->setCaption(qt(caption), CaptionLabel::Fit::WhenDrawn);
        } else {
            setCaption(c, caption);
        }
    }
    setResultName(initialResultBoxName());
}

void Form1::setStartStates() {
    // Only the model options, Calculate, the result box and the menu take input at start; the
    // disk size row lies hidden under the duration row.
    for (int i = 0; i < kControlCount; ++i) {
        if (const auto c = static_cast<Control>(i); c != Control::Count_BTN) {
            setControlEnabled(c, false);
        }
    }
    setControlVisible(Control::Combo6, false);
    setControlVisible(Control::Label1_5, false);
}

void Form1::orderFocus() {
    // Focus moves in the order of the controls' tab indices; frames and labels take no focus.
    const std::array<QWidget*, 14> focusOrder = {
        control(Control::Count_BTN), control(Control::Combo4), control(Control::Combo3),
        control(Control::Combo2),    control(Control::Combo1), m_text1,
        control(Control::Clear_BTN), control(Control::Combo5), control(Control::Option1_0),
        control(Control::Option1_1), control(Control::Combo6), m_models->button(2),
        m_models->button(3),         m_models->button(1)};
    for (std::size_t i = 1; i < focusOrder.size(); ++i) {
        setTabOrder(focusOrder[i - 1], focusOrder[i]);
    }
    control(Control::Count_BTN)->setFocus();
}

void Form1::bindEvents() {
    // A click reaches the handler even on the option that is already selected.
    connect(m_models, &QButtonGroup::idClicked, this,
            [this](int id) { m_form.onModelChosen(static_cast<std::int16_t>(id)); });
    connect(m_modes, &QButtonGroup::idClicked, this,
            [this](int id) { m_form.onModeChosen(static_cast<std::int16_t>(id)); });

    // activated, unlike currentIndexChanged, fires for every choice the user makes, the same
    // entry again included, and never for the form's own rewriting of entries.
    connect(list(Control::Combo1), &QComboBox::activated, this, [this] { m_form.onVideoSystemChosen(); });
    connect(list(Control::Combo2), &QComboBox::activated, this, [this] { m_form.onQualityChosen(); });
    connect(list(Control::Combo3), &QComboBox::activated, this, [this] { m_form.onResolutionChosen(); });
    connect(list(Control::Combo4), &QComboBox::activated, this, [this] { m_form.onSpeedChosen(); });
    connect(list(Control::Combo5), &QComboBox::activated, this, [this] { m_form.onDurationChosen(); });
    connect(list(Control::Combo6), &QComboBox::activated, this, [this] { m_form.onHddSizeChosen(); });

    connect(static_cast<QPushButton*>(control(Control::Count_BTN)), &QPushButton::clicked, this,
            [this] { m_form.onCalculateClicked(); });
    connect(static_cast<QPushButton*>(control(Control::Clear_BTN)), &QPushButton::clicked, this,
            [this] { m_form.onClearClicked(); });
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
        button->setText(qt(caption));
    } else if (auto* label = dynamic_cast<CaptionLabel*>(widget)) {
        label->setCaption(qt(caption), CaptionLabel::Fit::Now);
    }
}

void Form1::setResultName(std::string_view name) {
    m_text1->setAccessibleName(qt(name));
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
        box->setItemText(entry, qt(text));
    }
}

void Form1::setResultText(std::string_view text) {
    m_text1->setPlainText(qt(text));
}

void Form1::showMessage(std::string_view title, std::string_view text) {
    MessageBox box(qt(title), qt(text), this);
    box.exec();
}

std::string Form1::decimalSeparator() const {
    return QLocale::system().decimalPoint().toStdString();
}

} // namespace ui
