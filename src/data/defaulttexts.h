#pragma once

#include <QString>
#include <vector>

// The interface texts a new database gets, per language number (1 Danish, 3 Swedish,
// 4 Norwegian). The Danish texts are the windows' own captions.
struct DefaultText
{
    int language;
    int number;
    QString text;
};

const std::vector<DefaultText> &defaultTexts();
