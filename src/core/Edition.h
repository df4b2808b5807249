#pragma once

// The two editions (Brenlo.exe and Brenlopro.exe) differ only in these values (and their icons and
// version information). Texts are Shift_JIS.
struct Edition {
    int appType;                   // passed to ClAccConnect::SetAppType
    const char* productName;       // default of SYSTEM/PROGRAMNAME
    const char* settingsFileName;  // the remembered-output file in the host's folder

    static const Edition& Brenlo();
    static const Edition& Brenlopro();
};
