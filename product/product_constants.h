#pragma once

#include <array>
#include <string_view>

namespace pecunor {

// Names, version, settings key and shipped files that the whole program
// reads. Texts that name the product are built from ProductName.
struct ProductConstants {
    std::string_view ProductName;
    std::string_view ProductVersion;
    std::string_view ProductYear;
    std::string_view MakerName;
    std::string_view MakerWebAddress;
    std::string_view MakerSupportEmail;
    std::string_view MakerPhone;
    // Key of the per-user settings: Software\<organisation>\<application>.
    std::string_view ProductRegistryKey;
    // Compared without regard to case wherever the program compares them.
    std::array<std::string_view, 7> ShippedFiles;
    // Per shipped file: "0" install folder, "1" Windows folder, "2" system folder.
    std::string_view FilePlacement;
    // Per shipped file: "1" when it gets shortcuts.
    std::string_view ShortcutFiles;
};

inline constexpr ProductConstants Product{
    .ProductName = "Ostrel Pecunor 97",
    .ProductVersion = "1.02",
    .ProductYear = "1997",
    .MakerName = "Brackwell",
    // A reserved domain and a number set aside for fiction: nothing real is reached.
    .MakerWebAddress = "https://www.brackwell.example/",
    .MakerSupportEmail = "support@brackwell.example",
    .MakerPhone = "+44 20 7946 0958",
    .ProductRegistryKey = "Software\\Brackwell\\Pecunor 97",
    .ShippedFiles = {"OPecu97.exe", "Setup.exe", "OPecu97.hlp", "OPecu97.cnt", "VendInfo.diz", "File_Id.diz",
                     "Readme.txt"},
    .FilePlacement = "0000000",
    .ShortcutFiles = "1010000",
};

// The system-wide install's package, its program folder (<prefix>/lib/<name>)
// and its icon's theme name.
inline constexpr std::string_view SystemPackageName = "ostrel-pecunor-97";

static_assert(Product.FilePlacement.size() == Product.ShippedFiles.size());
static_assert(Product.ShortcutFiles.size() == Product.ShippedFiles.size());

}  // namespace pecunor
