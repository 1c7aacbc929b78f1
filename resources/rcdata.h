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

// The resource in that interface language ("de"), kept as
// ":/rcdata/<language>/<identifier>"; the one above where the program
// carries none in that language.
QByteArray readRcdata(int identifier, const QString& language);

}  // namespace pecunor
