#pragma once

#include <QByteArray>
#include <QString>

#include <stdexcept>

namespace pecunor {

// The program carries no resource of the asked number.
class MissingResource : public std::runtime_error {
public:
    explicit MissingResource(int identifier);
    int identifier() const { return identifier_; }

private:
    int identifier_;
};

// Numbered raw-data resources compiled into the program, addressed as
// ":/rcdata/<identifier>". Read afresh on every call; throws MissingResource.
QByteArray readRcdata(int identifier);

// The resource in that interface language ("de", "pt_BR"), kept as
// ":/rcdata/<language>/<identifier>", else in its language without the
// region ("pt"); the one above where the program carries neither.
QByteArray readRcdata(int identifier, const QString& language);

}  // namespace pecunor
