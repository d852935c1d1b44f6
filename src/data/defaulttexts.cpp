#include "defaulttexts.h"

namespace {

struct Row
{
    int number;
    const char *danish;
    const char *swedish;
    const char *norwegian;
};

// clang-format off
const Row rows[] = {
    { 1, "&Udskriv", "&Skriv ut", "&Skriv ut" },
    { 2, "&Quit", "&Avsluta", "&Avslutt" },
    { 3, "Normal uden Ressource.", "Normal utan resurs.", "Normal uten ressurs." },
    { 4, "Flere dage pr. Ressource.", "Flera dagar per resurs.", "Flere dager per ressurs." },
    { 5, "Flere Ressourcer pr dag.", "Flera resurser per dag.", "Flere ressurser per dag." },
    { 6, "Dag", "Dag", "Dag" },
    { 7, "Dage", "Dagar", "Dager" },
    { 8, "Ressource", "Resurs", "Ressurs" },
    { 9, "Ressource kartotek", "Resursregister", "Ressursregister" },
    { 10, "Aftaler", "Bokningar", "Avtaler" },
    { 11, "Åbnings tider", "Öppettider", "Åpningstider" },
    { 12, "Indstillinger", "Inställningar", "Innstillinger" },
    { 13, "&Opret / ret aftale", "&Skapa / ändra bokning", "&Opprett / endre avtale" },
    { 14, "O&pdater", "&Uppdatera", "O&ppdater" },
    { 15, "Tilbage", "Bakåt", "Tilbake" },
    { 16, "Frem", "Framåt", "Frem" },
    { 17, "&Slet", "&Radera", "&Slett" },
    { 18, "&Luk", "&Stäng", "&Lukk" },
    { 19, "Den:", "Den:", "Den:" },
    { 20, "Fra:", "Från:", "Fra:" },
    { 21, "Til:", "Till:", "Til:" },
    { 22, "Farve:", "Färg:", "Farge:" },
    { 23, "Overskrift", "Rubrik", "Overskrift" },
    { 24, "Tekst", "Text", "Tekst" },
    { 25, "&Fortryd", "&Ångra", "&Angre" },
    { 26, "&Ok", "&OK", "&OK" },
    { 27, "Benyt åbnings tider", "Använd öppettider", "Bruk åpningstider" },
    { 28, "Mandag", "Måndag", "Mandag" },
    { 29, "Tirsdag", "Tisdag", "Tirsdag" },
    { 30, "Onsdag", "Onsdag", "Onsdag" },
    { 31, "Torsdag", "Torsdag", "Torsdag" },
    { 32, "Fredag", "Fredag", "Fredag" },
    { 33, "Lørdag", "Lördag", "Lørdag" },
    { 34, "Søndag", "Söndag", "Søndag" },
    { 35, "Åbningstider", "Öppettider", "Åpningstider" },
    { 36, "Tidsenhed", "Tidsenhet", "Tidsenhet" },
    { 37, "Kalender start / stop", "Kalender start / stopp", "Kalender start / stopp" },
    { 38, "Højde og brede på celler", "Höjd och bredd på celler", "Høyde og bredde på celler" },
    { 39, "Højde på celler", "Höjd på celler", "Høyde på celler" },
    { 40, "Auto brede", "Automatisk bredd", "Automatisk bredde" },
    { 41, "Start klokken", "Start klockan", "Start klokken" },
    { 42, "Slut klokken", "Slut klockan", "Slutt klokken" },
    { 43, "Bredde", "Bredd", "Bredde" },
    { 44, "Zoom bredde", "Zoombredd", "Zoombredde" },
    { 45, "Flerebruger", "Fleranvändare", "Flerbruker" },
    { 46, "Sti til database", "Sökväg till databas", "Sti til database" },
    { 47, "5 Min.", "5 Min.", "5 Min." },
    { 48, "Navn på ressource", "Resursens namn", "Navn på ressurs" },
    { 49, "Om&døb system ressource", "By&t namn på systemresurs", "Gi nytt &navn til systemressurs" },
    { 50, "&Opret", "&Skapa", "&Opprett" },
    { 54, "10 Min.", "10 Min.", "10 Min." },
    { 55, "15 Min.", "15 Min.", "15 Min." },
    { 56, "30 Min.", "30 Min.", "30 Min." },
    { 60, "Mirvo", "Mirvo", "Mirvo" },
    { 61, "Slet", "Radera", "Slett" },
};
// clang-format on

} // namespace

const std::vector<DefaultText> &defaultTexts()
{
    static const std::vector<DefaultText> texts = [] {
        std::vector<DefaultText> all;
        for (const int language : { 1, 3, 4 }) {
            for (const Row &row : rows) {
                const char *text = language == 1 ? row.danish : language == 3 ? row.swedish : row.norwegian;
                all.push_back({ language, row.number, QString::fromUtf8(text) });
            }
        }
        return all;
    }();
    return texts;
}
