// What the engine draws against what LibreOffice makes of the saved file: résumés built by
// the real generator on the real engine, saved as a Word file, exported by the engine as
// PDF and converted by LibreOffice. Same number of pages, every word on the same page
// within 3 points of the same place. Prints the largest and median offsets.
#include "fidelity_support.h"

#include "../wordgen/FakeResumeSource.h"
#include "../wordgen/RecordingMessages.h"

#include "engine/automation/application.h"
#include "engine/render/layout_services.h"
#include "wordgen/ResumeGenerator.h"
#include "wordgen/ole/registry.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <iostream>

using quillory::testing::FakeResumeSource;

namespace {

FakeResumeSource fourEntries() {
    FakeResumeSource s = FakeResumeSource::sample();
    s.skills = {{QStringLiteral("Photoshop"), QStringLiteral("3 courses\r\nLayers and masks\r\nColour correction for print")},
                {QStringLiteral("Software QA"), QStringLiteral("2 years of experience\r\nTest plans and automated regression suites for desktop software")},
                {QStringLiteral("Writing"), QStringLiteral("Release notes\r\nUser guides")}};
    s.work = {{QStringLiteral("August 2005 - Present"), QStringLiteral("Marrowby"), QStringLiteral("Maplewick NH"), QStringLiteral("Software Engineer")},
              {QStringLiteral("June 2003 - July 2005"), QStringLiteral("Juniper Tools"), QStringLiteral("Cedarbrook NH"), QStringLiteral("QA Analyst")},
              {QStringLiteral("May 2001 - May 2003"), QStringLiteral("Northfield Print"), QStringLiteral("Ashby MA"), QStringLiteral("Prepress Technician")},
              {QStringLiteral("2000 - 2001"), QStringLiteral("Lakeside Diner"), QStringLiteral("Keene NH"), QStringLiteral("Cook")}};
    return s;
}

FakeResumeSource threePages() {
    FakeResumeSource s = fourEntries();
    for (int i = 0; i < 1; ++i)
        s.skills.push_back({QStringLiteral("Skill %1").arg(i + 4),
                            QStringLiteral("Ability %1a\r\nAbility %1b with a longer description that wraps onto a second line in the cell\r\nAbility %1c").arg(i + 4)});
    for (int i = 0; i < 18; ++i)
        s.work.push_back({QStringLiteral("19%1 - 19%2").arg(70 + i).arg(71 + i), QStringLiteral("Company%1").arg(i),
                          QStringLiteral("Town%1 NH").arg(i), QStringLiteral("Position%1").arg(i)});
    return s;
}

// Builds the résumé with the generator on the engine and saves it.
void buildAndSave(const FakeResumeSource& source, const QString& path) {
    quillory::testing::RecordingMessages messages;
    quillory::ScopedMessages scoped{messages};
    quillory::GenerationRun run;
    ASSERT_TRUE(quillory::BuildResumeDocument(run, source));
    EXPECT_TRUE(messages.shown.empty()) << messages.texts().join(QLatin1Char('\n')).toStdString();
    run.document.call(QStringLiteral("SaveAs"), {path});
    run.document.call(QStringLiteral("Close"));
    run.word.call(QStringLiteral("Quit"));
}

// Opens the saved file in the engine and writes its PDF.
void engineExport(const QString& docPath, const QString& pdfPath) {
    ole::Object word = ole::CreateObject(QStringLiteral("Word.Application"));
    ole::Object doc = word.get(QStringLiteral("Documents")).call(QStringLiteral("Open"), {docPath}).toObject();
    engine::model::Document* model = engine::modelOf(doc.ptr());
    ASSERT_NE(model, nullptr);
    engine::render::exportDocumentPdf(*model, pdfPath);
    doc.call(QStringLiteral("Close"), {ole::I2(0)});
    word.call(QStringLiteral("Quit"));
}

class Fidelity : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        engine::registerWordApplication();
        engine::render::installLayoutServices();
    }
    QTemporaryDir dir;

    void check(const char* name, const FakeResumeSource& source, int expectedPages) {
        const QString docPath = dir.filePath(QString::fromLatin1(name) + QStringLiteral(".doc"));
        const QString enginePdf = dir.filePath(QString::fromLatin1(name) + QStringLiteral("-engine.pdf"));
        buildAndSave(source, docPath);
        ASSERT_TRUE(QFileInfo::exists(docPath));
        engineExport(docPath, enginePdf);

        // LibreOffice reads the file by its content whatever its extension.
        const QString loDir = dir.filePath(QStringLiteral("lo"));
        QDir().mkpath(loDir);
        QString error;
        fidelity::runProgram(QStringLiteral("soffice"),
                   {QStringLiteral("-env:UserInstallation=file://") + dir.filePath(QStringLiteral("profile")),
                    QStringLiteral("--headless"), QStringLiteral("--convert-to"), QStringLiteral("pdf"),
                    QStringLiteral("--outdir"), loDir, docPath},
                   &error);
        ASSERT_TRUE(error.isEmpty()) << error.toStdString();
        const QString loPdf = QDir(loDir).filePath(QString::fromLatin1(name) + QStringLiteral(".pdf"));
        ASSERT_TRUE(QFileInfo::exists(loPdf)) << "LibreOffice made no PDF of " << docPath.toStdString();

        const auto lo = fidelity::readWords(loPdf, &error);
        const auto ours = fidelity::readWords(enginePdf, &error);
        ASSERT_FALSE(lo.empty()) << error.toStdString();
        const fidelity::Offsets o = fidelity::compare(lo, ours);
        std::cout << "[fidelity] " << name << ": " << o.pagesA << " pages (LibreOffice), " << o.pagesB
                  << " (engine); " << o.words << " words; largest offset " << o.largest() << " pt, median "
                  << o.median() << " pt" << std::endl;
        EXPECT_EQ(o.pagesA, expectedPages);
        EXPECT_EQ(o.pagesB, o.pagesA);
        EXPECT_TRUE(o.problems.isEmpty()) << o.problems.mid(0, 20).join(QLatin1Char('\n')).toStdString();
        EXPECT_LE(o.largest(), 3.0);
        if (qEnvironmentVariableIsSet("QUILLORY_FIDELITY_KEEP")) {
            const QString keep = qEnvironmentVariable("QUILLORY_FIDELITY_KEEP");
            QDir().mkpath(keep);
            for (const QString& f : {docPath, enginePdf, loPdf}) {
                QFile::remove(QDir(keep).filePath(QFileInfo(f).fileName()));
                QFile::copy(f, QDir(keep).filePath(QFileInfo(f).fileName()));
            }
        }
    }
};

} // namespace

TEST_F(Fidelity, sample_resume_matches_libreoffice) { check("sample", FakeResumeSource::sample(), 1); }

TEST_F(Fidelity, four_entries_with_multi_line_skills_match_libreoffice) { check("four", fourEntries(), 1); }

TEST_F(Fidelity, three_page_resume_matches_libreoffice) { check("long", threePages(), 3); }
