// SPDX-License-Identifier: GPL-3.0-or-later
#include "recorddata.h"

#include <QXmlStreamReader>
#include <QXmlStreamWriter>

#include <algorithm>
#include <array>

namespace runtime {

namespace {

using Module = SessionRecord::Module;

const QString Rdf = QStringLiteral("http://www.w3.org/1999/02/22-rdf-syntax-ns#");
const QString Own = QString::fromLatin1(RecordNamespace);

struct ModuleNames {
    Module module;
    QLatin1StringView key;
    std::array<QLatin1StringView, 3> answer; // the answer's boxes, in order
};
const ModuleNames moduleNames[] = {
    {Module::InitialRates,
     QLatin1StringView("initialRates"),
     {QLatin1StringView("orderA"), QLatin1StringView("orderB"), QLatin1StringView("k")}},
    {Module::Graphical, QLatin1StringView("graphical"), {QLatin1StringView("order"), QLatin1StringView("k"), {}}},
    {Module::RateLaws, QLatin1StringView("rateLaws"), {QLatin1StringView("rateLaw"), {}, {}}},
};

const ModuleNames &namesOf(Module module)
{
    for (const ModuleNames &names : moduleNames)
        if (names.module == module)
            return names;
    return moduleNames[0];
}

// What XML can carry of a typed text: control characters other than the
// tab and line ends, and unpaired surrogates, are dropped.
QString xmlText(const QString &text)
{
    QString kept;
    kept.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            kept += c;
            kept += text.at(++i);
        } else if (!c.isSurrogate() && (c.unicode() >= 0x20 || c == u'\t' || c == u'\n' || c == u'\r')
                   && c.unicode() != 0xfffe && c.unicode() != 0xffff) {
            kept += c;
        }
    }
    return kept;
}

QString isoTime(const QDateTime &time)
{
    // With the offset, so that a reader elsewhere knows the moment.
    return time.toOffsetFromUtc(time.offsetFromUtc()).toString(Qt::ISODate);
}

QString boolean(bool value)
{
    return value ? QStringLiteral("True") : QStringLiteral("False");
}

// An XMP sequence of structures, one a call of `each`.
template<typename Items, typename Each> void writeSequence(QXmlStreamWriter &xml, const Items &items, Each each)
{
    xml.writeStartElement(Rdf, QStringLiteral("Seq"));
    for (const auto &item : items) {
        xml.writeStartElement(Rdf, QStringLiteral("li"));
        xml.writeAttribute(Rdf, QStringLiteral("parseType"), QStringLiteral("Resource"));
        each(item);
        xml.writeEndElement();
    }
    xml.writeEndElement();
}

} // namespace

QByteArray recordXmp(const RecordFacts &facts)
{
    QByteArray bytes;
    QXmlStreamWriter xml(&bytes);
    xml.setAutoFormatting(true);
    xml.writeProcessingInstruction(QStringLiteral("xpacket"),
                                   QStringLiteral("begin=\"\uFEFF\" id=\"W5M0MpCehiHzreSzNTczkc9d\""));
    xml.writeNamespace(QStringLiteral("adobe:ns:meta/"), QStringLiteral("x"));
    xml.writeNamespace(Rdf, QStringLiteral("rdf"));
    xml.writeNamespace(QStringLiteral("http://purl.org/dc/elements/1.1/"), QStringLiteral("dc"));
    xml.writeNamespace(QStringLiteral("http://ns.adobe.com/xap/1.0/"), QStringLiteral("xmp"));
    xml.writeNamespace(Own, QStringLiteral("velomira"));
    xml.writeStartElement(QStringLiteral("adobe:ns:meta/"), QStringLiteral("xmpmeta"));
    xml.writeStartElement(Rdf, QStringLiteral("RDF"));
    xml.writeStartElement(Rdf, QStringLiteral("Description"));
    xml.writeAttribute(Rdf, QStringLiteral("about"), QString());
    xml.writeTextElement(QStringLiteral("http://ns.adobe.com/xap/1.0/"), QStringLiteral("CreatorTool"),
                         QStringLiteral("Velomira ") + facts.programVersion);
    xml.writeTextElement(QStringLiteral("http://ns.adobe.com/xap/1.0/"), QStringLiteral("CreateDate"),
                         isoTime(facts.made));
    const auto field = [&](const QString &name, const QString &value) {
        xml.writeTextElement(Own, name, xmlText(value));
    };
    field(QStringLiteral("formatVersion"), QString::number(RecordFormatVersion));
    field(QStringLiteral("student"), facts.student);
    field(QStringLiteral("programVersion"), facts.programVersion);
    field(QStringLiteral("language"), facts.language);
    field(QStringLiteral("sessionStarted"), isoTime(facts.started));
    field(QStringLiteral("recordMade"), isoTime(facts.made));
    xml.writeStartElement(Own, QStringLiteral("modules"));
    writeSequence(xml, facts.modules, [&](const SessionRecord::ModuleWork &work) {
        const ModuleNames &names = namesOf(work.module);
        field(QStringLiteral("module"), names.key);
        field(QStringLiteral("problemsCompleted"), QString::number(work.solvedSlots()));
        field(QStringLiteral("attempts"), QString::number(work.attempts()));
        xml.writeStartElement(Own, QStringLiteral("problems"));
        writeSequence(xml, work.problems, [&](const SessionRecord::Problem &p) {
            field(QStringLiteral("slot"), QString::number(p.slot + 1));
            if (p.level > 0)
                field(QStringLiteral("level"), QString::number(p.level));
            field(QStringLiteral("completed"), boolean(p.completed));
            field(QStringLiteral("attempts"), QString::number(p.attempts));
            if (work.module != Module::RateLaws)
                field(QStringLiteral("tutored"), boolean(p.tutored));
            if (p.answer.isEmpty())
                return;
            xml.writeStartElement(Own, QStringLiteral("answer"));
            xml.writeAttribute(Rdf, QStringLiteral("parseType"), QStringLiteral("Resource"));
            for (qsizetype i = 0; i < p.answer.size() && i < qsizetype(names.answer.size()); ++i)
                field(names.answer.at(std::size_t(i)), p.answer.at(i));
            xml.writeEndElement();
        });
        xml.writeEndElement();
    });
    xml.writeEndElement(); // modules
    xml.writeEndElement(); // Description
    xml.writeEndElement(); // RDF
    xml.writeEndElement(); // xmpmeta
    xml.writeProcessingInstruction(QStringLiteral("xpacket"), QStringLiteral("end=\"r\""));
    xml.writeEndDocument();
    // Every character past ASCII as a character reference: a PDF reader may
    // hand the stream on decoded as PDFDocEncoding, which turns UTF-8's
    // bytes 0x80 to 0x9F into other characters. Only the packet's opening,
    // the byte-order mark as the packet wants it, stays as it is.
    const QString written = QString::fromUtf8(bytes.trimmed());
    const qsizetype opening = written.indexOf(QStringLiteral("?>")) + 2;
    QString ascii = written.left(opening);
    for (qsizetype i = opening; i < written.size(); ++i) {
        char32_t c = written.at(i).unicode();
        if (written.at(i).isHighSurrogate() && i + 1 < written.size())
            c = QChar::surrogateToUcs4(written.at(i), written.at(i + 1)), ++i;
        ascii += c < 0x80 ? QString(QChar(c)) : QStringLiteral("&#x%1;").arg(uint(c), 0, 16);
    }
    return ascii.toUtf8() + '\n';
}

ReadRecord readRecordXmp(const QByteArray &xmp)
{
    ReadRecord read;
    RecordFacts &facts = read.facts;
    bool named = false;
    bool damaged = false;
    const auto number = [&](const QString &text) {
        bool ok = false;
        const int value = text.toInt(&ok);
        damaged = damaged || !ok || value < 0;
        return value;
    };
    const auto truth = [&](const QString &text) {
        damaged = damaged || (text != u"True" && text != u"False");
        return text == u"True";
    };
    const auto time = [&](const QString &text) {
        const QDateTime t = QDateTime::fromString(text, Qt::ISODate);
        damaged = damaged || !t.isValid();
        return t;
    };
    // The program's elements that hold others, from the outermost.
    QStringList path;
    QXmlStreamReader xml(xmp);
    while (!xml.atEnd() && !damaged) {
        const QXmlStreamReader::TokenType token = xml.readNext();
        if (token == QXmlStreamReader::EndElement && xml.namespaceUri() == Own) {
            path.removeLast();
            continue;
        }
        if (token != QXmlStreamReader::StartElement)
            continue;
        if (xml.namespaceUri() == Rdf) {
            // Each item of a sequence begins a module, or a problem of one.
            if (xml.name() == u"li" && path == QStringList{QStringLiteral("modules")})
                facts.modules.push_back({});
            else if (xml.name() == u"li" && path.endsWith(QStringLiteral("problems")) && !facts.modules.empty())
                facts.modules.back().problems.push_back({});
            continue;
        }
        if (xml.namespaceUri() != Own)
            continue;
        const QString name = xml.name().toString();
        if (name == u"modules" || name == u"problems" || name == u"answer") {
            path.append(name);
            continue;
        }
        const QString text = xml.readElementText();
        if (path.isEmpty()) {
            if (name == u"formatVersion") {
                named = true;
                read.formatVersion = number(text);
                if (read.formatVersion > RecordFormatVersion) {
                    read.status = ReadRecord::Status::NewerFormat;
                    return read;
                }
            } else if (name == u"student") {
                facts.student = text;
            } else if (name == u"programVersion") {
                facts.programVersion = text;
            } else if (name == u"language") {
                facts.language = text;
            } else if (name == u"sessionStarted") {
                facts.started = time(text);
            } else if (name == u"recordMade") {
                facts.made = time(text);
            }
            continue;
        }
        if (facts.modules.empty()) {
            damaged = true;
            continue;
        }
        SessionRecord::ModuleWork &work = facts.modules.back();
        if (path.size() == 1) {
            if (name == u"module") {
                const auto known = std::find_if(std::begin(moduleNames), std::end(moduleNames),
                                                [&](const ModuleNames &n) { return n.key == text; });
                damaged = known == std::end(moduleNames);
                if (!damaged)
                    work.module = known->module;
            }
            continue;
        }
        if (work.problems.empty()) {
            damaged = true;
            continue;
        }
        SessionRecord::Problem &p = work.problems.back();
        if (path.last() == u"answer") {
            const auto &boxes = namesOf(work.module).answer;
            const auto box = std::find(boxes.begin(), boxes.end(), name);
            if (box != boxes.end()) {
                const qsizetype at = box - boxes.begin();
                while (p.answer.size() <= at)
                    p.answer.append(QString());
                p.answer[at] = text;
            }
        } else if (name == u"slot") {
            p.slot = number(text) - 1;
        } else if (name == u"level") {
            p.level = number(text);
        } else if (name == u"completed") {
            p.completed = truth(text);
        } else if (name == u"tutored") {
            p.tutored = truth(text);
        } else if (name == u"attempts") {
            p.attempts = number(text);
        }
    }
    if (xml.hasError() || damaged)
        read.status = named ? ReadRecord::Status::Damaged : ReadRecord::Status::NotARecord;
    else
        read.status = named ? ReadRecord::Status::Read : ReadRecord::Status::NotARecord;
    return read;
}

} // namespace runtime
