#include "ui/form.h"

#include "calc/calculation.h"
#include "calc/selection.h"
#include "calc/value_tables.h"
#include "lang/language_table.h"
#include "ui/captioned_controls.h"

#include <array>
#include <string>

namespace ui {
namespace {

// No text names the result box itself, so it is named after the two results it reports, which
// every language has. `text` gives a language item's text.
template <class Text>
std::string nameAfterResults(Text text) {
    return std::string(text(lang::ReportSize)) + " / " + std::string(text(lang::ReportTime));
}

} // namespace

std::string initialResultBoxName() {
    return nameAfterResults([](lang::Item item) { return lang::kLanguageTexts[lang::English][item]; });
}

void Form::onLoad() {
    lang::runLoadStep(m_settings);
}

void Form::optionClicked(Control option) {
    raise(option, layout::Kind::OptionButton);
}

void Form::listChosen(Control list) {
    raise(list, layout::Kind::DropDownList);
}

void Form::buttonClicked(Control button) {
    raise(button, layout::Kind::CommandButton);
}

void Form::languageItemChosen(int index) {
    onLanguageChosen(static_cast<std::int16_t>(index));
}

void Form::raise(Control c, layout::Kind kind) {
    const layout::ControlLayout& row = layout::controlLayout(c);
    if (row.kind != kind) {
        return;
    }
    switch (row.raises) {
    case layout::Event::None:
        return;
    case layout::Event::ModelChosen:
        return onModelChosen(row.element);
    case layout::Event::ModeChosen:
        return onModeChosen(row.element);
    case layout::Event::SystemChosen:
        return onVideoSystemChosen();
    case layout::Event::QualityChosen:
        return onQualityChosen();
    case layout::Event::ResolutionChosen:
        return onResolutionChosen();
    case layout::Event::SpeedChosen:
        return onSpeedChosen();
    case layout::Event::DurationChosen:
        return onDurationChosen();
    case layout::Event::HddSizeChosen:
        return onHddSizeChosen();
    case layout::Event::Calculate:
        return onCalculateClicked();
    case layout::Event::Clear:
        return onClearClicked();
    }
}

void Form::onModelChosen(std::int16_t element) {
    const bool wasChosen = m_settings.ModelChosen;
    calc::chooseModel(m_settings, element);
    m_view.setControlEnabled(Control::Option1_0, true);
    m_view.setControlEnabled(Control::Option1_1, true);
    if (wasChosen && m_settings.QualityChosen) {
        onQualityChosen();
        onResolutionChosen();
    } else {
        // Without the quality handler nothing else would rewrite the resolution entries, and
        // the list would keep offering the previous model's rates.
        writeResolutionEntries();
    }
}

void Form::onModeChosen(std::int16_t element) {
    calc::chooseMode(m_settings, element);
    m_view.setControlEnabled(Control::Combo1, true);
    m_view.setControlEnabled(Control::Label1_0, true);
    const bool capacity = element == 0;
    m_view.setControlVisible(Control::Label1_4, capacity);
    m_view.setControlVisible(Control::Label1_5, !capacity);
    m_view.setControlVisible(Control::Combo5, capacity);
    m_view.setControlVisible(Control::Combo6, !capacity);
}

void Form::onVideoSystemChosen() {
    const bool wasChosen = m_settings.SystemChosen;
    calc::chooseVideoSystem(m_settings, m_view.selectedIndex(Control::Combo1));
    if (wasChosen) {
        onQualityChosen();
        onResolutionChosen();
    }
    writeResolutionEntries();
    m_view.setControlEnabled(Control::Label1_1, true);
    m_view.setControlEnabled(Control::Combo2, true);
}

void Form::onQualityChosen() {
    const bool wasChosen = m_settings.QualityChosen;
    calc::chooseQuality(m_settings, m_view.selectedIndex(Control::Combo2));
    if (wasChosen) {
        writeResolutionEntries();
    }
    m_view.setControlEnabled(Control::Label1_2, true);
    m_view.setControlEnabled(Control::Combo3, true);
}

void Form::onResolutionChosen() {
    calc::chooseResolution(m_settings, m_view.selectedIndex(Control::Combo3));
    m_view.setControlEnabled(Control::Combo4, true);
    m_view.setControlEnabled(Control::Label1_3, true);
}

void Form::onSpeedChosen() {
    calc::chooseSpeed(m_settings, m_view.selectedIndex(Control::Combo4));
    m_view.setControlEnabled(Control::Combo5, true);
    m_view.setControlEnabled(Control::Combo6, true);
    m_view.setControlEnabled(Control::Label1_4, true);
    m_view.setControlEnabled(Control::Label1_5, true);
}

void Form::onDurationChosen() {
    calc::chooseDuration(m_settings, m_view.selectedIndex(Control::Combo5));
}

void Form::onHddSizeChosen() {
    calc::chooseHddSize(m_settings, m_view.selectedIndex(Control::Combo6));
}

void Form::onCalculateClicked() {
    // The texts must outlive the calculation, which only holds views of them.
    const std::array<std::string, 6> texts = {
        m_view.selectedText(Control::Combo1), m_view.selectedText(Control::Combo2),
        m_view.selectedText(Control::Combo3), m_view.selectedText(Control::Combo4),
        m_view.selectedText(Control::Combo5), m_view.selectedText(Control::Combo6),
    };
    const calc::ListTexts lists{texts[0], texts[1], texts[2], texts[3], texts[4], texts[5]};
    const calc::CalculationOutcome outcome = calc::calculate(m_settings, lists, m_view.decimalSeparator());
    if (!outcome.reported) {
        m_view.showMessage(kMessageTitle, outcome.text);
        return;
    }
    m_view.setControlEnabled(Control::Clear_BTN, true);
    m_view.setResultText(outcome.text);
}

void Form::onClearClicked() {
    m_view.setResultText("");
    m_view.setControlEnabled(Control::Clear_BTN, false);
}

void Form::onLanguageChosen(std::int16_t index) {
    m_settings.LanguageIndex = index;
    applyCaptions();
}

void Form::writeResolutionEntries() {
    const calc::ResolutionRow& row = calc::resolutionRow(m_settings.ModelIndex, m_settings.VideoSystem);
    for (int entry = 0; entry < static_cast<int>(row.size()); ++entry) {
        m_view.setEntryText(Control::Combo3, entry, row[static_cast<std::size_t>(entry)].text);
    }
}

void Form::applyCaptions() {
    const std::size_t language = lang::languageRow(m_settings.LanguageIndex);
    const lang::LanguageTable& table = m_settings.LanguageTable;
    for (const auto& [control, item] : kCaptionedControls) {
        m_view.setCaption(control, table.text(language, item));
    }
    m_view.setResultName(
        nameAfterResults([&](lang::Item item) -> const std::string& { return table.text(language, item); }));
}

} // namespace ui
