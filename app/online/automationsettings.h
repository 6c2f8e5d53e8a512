#pragma once

#include <QString>

namespace quorix {

// The automation program's settings for this lottery, kept under that program's own key: a JSON
// file of their own beside the program's settings ("$XDG_CONFIG_HOME/Sorvani/Navitron.json"),
// private to the user (mode 0600) because TEXT2 holds the portal password as it stands. All six
// values are texts; a missing one, or one of another type, reads as empty.
struct AutomationSettings {
    QString folder; // "Path": where the automation program is installed; never written here
    QString script; // "SwissLottoScript": the chosen click script
    QString zahl1;  // "SwissLottoZahl1"
    QString text1;  // "SwissLottoText1": meant for the portal's login name
    QString zahl2;  // "SwissLottoZahl2"
    QString text2;  // "SwissLottoText2": meant for the portal's password

    static QString defaultPath();
    // Reads the file, creating it empty (mode 0600) when it is missing.
    static AutomationSettings load(const QString &file = defaultPath());
    // Writes the five values of the script choice; "Path" and anything else stored stay.
    bool saveChoice(const QString &file = defaultPath()) const;

    // The program to start: "navirun" in `folder`; empty when the folder is not set or not an
    // absolute path, so that a program of that name elsewhere is never taken for it.
    QString executable() const;
};

} // namespace quorix
