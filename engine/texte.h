#pragma once
// Language lists: one line per entry, copied into Texte by line number.

#include <string>
#include <string_view>
#include <vector>

// Splits a list file (UTF-8, lines ended by "\n", a "\r" before it dropped)
// into its lines. Lines are never trimmed; a final line end does not start
// another line.
std::vector<std::string> ZeilenAusText(std::string_view text);

// Texte[i] := liste[i] for every line of the list that Texte can hold;
// lines at and beyond the list's count keep what they held.
void TexteLaden(const std::vector<std::string>& liste);
