#include "engine/texte.h"

#include "engine/tabellen.h"

#include <algorithm>

std::vector<std::string> ZeilenAusText(std::string_view text)
{
    std::vector<std::string> zeilen;
    std::size_t a = 0;
    while (a < text.size()) {
        std::size_t e = text.find('\n', a);
        const bool letzte = e == std::string_view::npos;
        if (letzte)
            e = text.size();
        std::string_view z = text.substr(a, e - a);
        if (!z.empty() && z.back() == '\r')
            z.remove_suffix(1);
        zeilen.emplace_back(z);
        if (letzte)
            break;
        a = e + 1;
    }
    return zeilen;
}

void TexteLaden(const std::vector<std::string>& liste)
{
    const std::size_t n = std::min(liste.size(), Texte.size());
    for (std::size_t i = 0; i < n; ++i)
        Texte[i] = liste[i];
}
