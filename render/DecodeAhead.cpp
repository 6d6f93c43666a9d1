#include "DecodeAhead.h"

TDecodeAhead::TDecodeAhead(QStringList names, TPictureSource source)
{
    std::vector<std::promise<TPngResult>> promises(names.size());
    Results.reserve(names.size());
    for (qsizetype i = 0; i < names.size(); ++i)
        Results.emplace_back(names[i], promises[i].get_future());
    Worker = std::thread([names = std::move(names), source = std::move(source),
                          promises = std::move(promises)]() mutable {
        for (qsizetype i = 0; i < names.size(); ++i)
            promises[i].set_value(LoadPicture(names[i], source));
    });
}

TDecodeAhead::~TDecodeAhead()
{
    Worker.join();
}

std::optional<TPngResult> TDecodeAhead::Take(const QString &name)
{
    for (auto &[named, result] : Results)
        if (named == name && result.valid())
            return result.get();
    return std::nullopt;
}
