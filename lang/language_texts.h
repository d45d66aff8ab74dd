#pragma once

#include "lang/captions.h"

#include <array>
#include <cstddef>
#include <string_view>

namespace lang {

inline constexpr std::size_t kLanguageCount = 5;
inline constexpr std::size_t kItemCount = 18;

// Languages by their index, which is also the index of their Language menu item.
enum Language : std::size_t { English = 0, Chinese = 1, German = 2, French = 3, Dutch = 4 };

// The Language menu's items by language index; they keep these captions in every language.
inline constexpr std::array<std::string_view, kLanguageCount> kLanguageNames = {"English", "Chinese", "German",
                                                                                "French", "Dutch"};

// Items by number: 0 to 9 are captions, 10 to 16 report labels and unit words, 17 the message.
enum Item : std::size_t {
    CapacityOption = 0,
    TimeOption = 1,
    VideoSystemLabel = 2,
    QualityLabel = 3,
    ResolutionLabel = 4,
    SpeedLabel = 5,
    DurationLabel = 6,
    HddSizeLabel = 7,
    ClearButton = 8,
    CalculateButton = 9,
    ReportQuality = 10,
    ReportResolution = 11,
    ReportSpeed = 12,
    ReportSize = 13,
    ReportTime = 14,
    HourUnit = 15,
    DayUnit = 16,
    MissingItemMessage = 17,
};

using LanguageRow = std::array<std::string_view, kItemCount>;

// Every text exactly as the window and the report show it; trailing blanks are part of the text.
inline constexpr std::array<LanguageRow, kLanguageCount> kLanguageTexts = {{
    {kInitialCaptions[0], kInitialCaptions[1], kInitialCaptions[2], kInitialCaptions[3], kInitialCaptions[4],
     kInitialCaptions[5], kInitialCaptions[6], kInitialCaptions[7], kInitialCaptions[8], kInitialCaptions[9],
     "Record quality", "Record resolution", "Record speed", "Record size", "Record time", "Hour", "Day",
     "Please setup every item !!"},
    {"計算錄影容量", "計算錄影天數", "影像系統", "錄影畫質", "解析度", "錄影速度", "錄影時間", "硬碟容量", "清除",
     "計算", "錄影畫質", "解析度", "錄影速度", "錄影容量", "錄影時間", "小時", "天", "請設定每一個項目 !!"},
    {"Aufzeichnugskapazitat", "Aufzeichnungszeit", "Videosystem", "Qualitat ", "Auflosung ",
     "Aufzeichnungsgeschwindigkeit", "Aufzeichnungsdauer", "Festplattengrose", "Loschen", "Berechnung",
     "Aufzeichnungsqualitat ", "Aufzeichnungsauflosung", "Geschwindigkeit ", "Aufzeichnungsgrose", "Aufzeichnungsdauer",
     "Stunde", "Tag", "Bitte tragen Sie alle Einstellungen ein !!"},
    {"Capacite d'enregistrement", "Duree d'enregistrement", "Systeme video", "Qualite", "Resolution",
     "Vitesse d'enregistrement", "Duree d'enregistrement ", "Taille du disc dure", "Effacer", "Calculer",
     "Qualite d'enregistrement ", "Resolution d'enregistrement ", "Vitesse", "Taille d'enregistrement",
     "Duree d'enregistrement", "Heure", "Jour", "Veuillez entrer s.v.p tous les parametres !!"},
    {"Opnamecapaciteit", "Opnametijd", "Videosysteem", "Kwaliteit ", "Resolutie", "Opnamesnelheid", "Opnameduur",
     "Formaat harde schijf", "Wissen", "Calculeren", "Opnamekwaliteit", "Opnameresolutie", "Opnamesnelheid",
     "Opnamegrootte", "Opnametijd", "uur", "dag", "Toets a.u.b. alle instellingen in !!"},
}};

} // namespace lang
