#pragma once

#include <QIODevice>
#include <QString>
#include <QStringList>

namespace pecunor {

// Why the queue would refuse a job now, in the printing system's words:
// the scheduler out of reach, the queue unknown or not accepting jobs.
// Empty when it takes jobs.
QString cupsRefusal(const QString& queue);

// Hands the PDF to the queue as one job with the options (name, value,
// name, value ...). Empty only when the scheduler gave the job a number;
// otherwise why not, and no job is left behind.
QString submitToCups(const QString& queue, QIODevice& pdf, const QString& title, const QStringList& options);

}  // namespace pecunor
