#pragma once

#include "search/searchengine.h"

#include <QString>

#include <functional>
#include <memory>

namespace tirta::test {

/// A search over the whole Bible in translation 1 ("Versi A") of a fixture file, writing its result
/// file into `resultFolder`.
inline search::Request wholeBibleRequest(const QString& text, const QString& resultFolder)
{
    search::Request r;
    r.text = text;
    r.scope = search::Scope::Bible;
    r.column = QStringLiteral("Kitab1");
    r.translationName = QStringLiteral("Versi A");
    r.caption = QStringLiteral("Tirtamaya \u2014 Versi A");
    r.bookListText = QStringLiteral("Kejadian");
    r.book = QStringLiteral("Kejadian");
    r.oldTestament = true;
    r.chapterIndex = 0;
    r.testament = QStringLiteral("Lama");
    r.tempFolder = resultFolder.endsWith(u'/') ? resultFolder : resultFolder + u'/';
    return r;
}

/// A clock that never moves: the search never ticks.
inline search::Clock stillClock()
{
    return [] { return qint64(0); };
}

/// A clock that moves 20 ms at every look, so every look is due for a tick; `onRead` runs at each
/// look, while the search is under way.
inline search::Clock busyClock(std::function<void()> onRead = {})
{
    auto now = std::make_shared<qint64>(0);
    return [now, onRead] {
        if (onRead)
            onRead();
        return *now += 20;
    };
}

} // namespace tirta::test
