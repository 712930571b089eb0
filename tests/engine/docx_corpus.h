#pragma once
// A corpus of damaged, foreign and hostile files for the reader. Each either must be read
// (`expect` empty) or must fail with a ReadError whose description contains `expect`.

#include <QByteArray>
#include <QString>

#include <vector>

namespace docx_test {

struct CorpusFile {
    const char* name;
    QByteArray bytes;
    QString expect; // a phrase of the description; empty: the file must be read
};

std::vector<CorpusFile> damagedCorpus();

} // namespace docx_test
