#include "datafilewriter.h"

#include "foundation/dialect.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <sqlite3.h>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tirta {

using namespace Qt::StringLiterals;

namespace {

// The sibling file of the writer still open, for the signal handler: a fixed buffer, because a
// handler may not allocate.
char g_openPart[4096];

void setOpenPart(const QByteArray& path)
{
    g_openPart[0] = '\0';
    if (path.size() < static_cast<qsizetype>(sizeof g_openPart))
        std::memcpy(g_openPart, path.constData(), static_cast<size_t>(path.size()) + 1);
}

extern "C" void removeOpenPartAndEnd(int signal)
{
    if (g_openPart[0] != '\0')
        ::unlink(g_openPart);
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}

bool syncFile(const QByteArray& path, int flags)
{
    const int fd = ::open(path.constData(), flags | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool synced = ::fsync(fd) == 0;
    return ::close(fd) == 0 && synced;
}

} // namespace

void DataFileWriter::removePartFileOnSignals()
{
    for (const int signal : { SIGINT, SIGTERM, SIGHUP })
        std::signal(signal, removeOpenPartAndEnd);
}

DataFileWriter::DataFileWriter(sqlite3* db, QString path, QString partPath)
    : m_db(db)
    , m_path(std::move(path))
    , m_partPath(std::move(partPath))
{ }

DataFileWriter::~DataFileWriter()
{
    for (sqlite3_stmt* statement : std::as_const(m_inserts))
        sqlite3_finalize(statement);
    sqlite3_close(m_db);
    if (!m_committed) {
        setOpenPart({});
        QFile::remove(m_partPath);
    }
}

std::unique_ptr<DataFileWriter> DataFileWriter::create(
    const QString& path, const schema::Shape& shape, QString* error)
{
    // A name of its own: two builds of the same file never write into each other's sibling.
    QByteArray part = QFile::encodeName(path) + ".part-XXXXXX";
    const int fd = ::mkstemp(part.data());
    if (fd < 0) {
        if (error)
            *error = path + u".part: "_s + QString::fromLocal8Bit(std::strerror(errno));
        return nullptr;
    }
    const mode_t mask = ::umask(022);
    ::umask(mask);
    ::fchmod(fd, 0666 & ~mask); // as a file the engine creates itself
    ::close(fd);
    setOpenPart(part);
    const QString partPath = QFile::decodeName(part);
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(
            QFile::encodeName(partPath).constData(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr)
        != SQLITE_OK) {
        if (error)
            *error = db ? QString::fromUtf8(sqlite3_errmsg(db)) : u"out of memory"_s;
        sqlite3_close(db);
        setOpenPart({});
        ::unlink(part.constData());
        return nullptr;
    }
    std::unique_ptr<DataFileWriter> writer(new DataFileWriter(db, path, partPath));
    dialect::registerFunctions(db);
    bool ok = writer->execute(u"PRAGMA journal_mode=OFF"_s) && writer->execute(u"PRAGMA synchronous=OFF"_s)
        && writer->execute(u"BEGIN"_s);
    for (const QString& statement : schema::createStatements(shape))
        ok = ok && writer->execute(statement);
    if (!ok) {
        if (error)
            *error = writer->lastError();
        return nullptr;
    }
    return writer;
}

bool DataFileWriter::fail(const QString& what)
{
    m_error = what + u": "_s + QString::fromUtf8(sqlite3_errmsg(m_db));
    return false;
}

bool DataFileWriter::execute(const QString& sql)
{
    char* message = nullptr;
    if (sqlite3_exec(m_db, sql.toUtf8().constData(), nullptr, nullptr, &message) != SQLITE_OK) {
        m_error = sql + u": "_s + QString::fromUtf8(message);
        sqlite3_free(message);
        return false;
    }
    return true;
}

bool DataFileWriter::insert(const QString& table, const Row& row)
{
    QStringList names;
    for (const auto& [name, value] : row)
        names << name;
    const QString key = table + u'|' + names.join(u',');
    sqlite3_stmt* statement = m_inserts.value(key);
    if (!statement) {
        const QString sql = u"INSERT INTO "_s + table + u" ("_s + names.join(u", "_s) + u") VALUES ("_s
            + QStringList(names.size(), u"?"_s).join(u", "_s) + u')';
        if (sqlite3_prepare_v2(m_db, sql.toUtf8().constData(), -1, &statement, nullptr) != SQLITE_OK)
            return fail(sql);
        m_inserts.insert(key, statement);
    }
    sqlite3_reset(statement);
    int index = 1;
    for (const auto& [name, value] : row) {
        if (value.isNull()) {
            sqlite3_bind_null(statement, index);
        } else if (value.typeId() == QMetaType::Int || value.typeId() == QMetaType::LongLong
            || value.typeId() == QMetaType::Bool) {
            sqlite3_bind_int64(statement, index,
                value.typeId() == QMetaType::Bool ? (value.toBool() ? schema::kTrue : schema::kFalse)
                                                  : value.toLongLong());
        } else {
            const QByteArray text = value.toString().toUtf8();
            sqlite3_bind_text(
                statement, index, text.constData(), static_cast<int>(text.size()), SQLITE_TRANSIENT);
        }
        ++index;
    }
    if (sqlite3_step(statement) != SQLITE_DONE)
        return fail(u"INSERT INTO "_s + table);
    return true;
}

bool DataFileWriter::commit()
{
    if (!execute(u"COMMIT"_s))
        return false;
    for (sqlite3_stmt* statement : std::as_const(m_inserts))
        sqlite3_finalize(statement);
    m_inserts.clear();
    sqlite3_close(m_db);
    m_db = nullptr;
    // The rows reach the disk before the name does; rename() then replaces the old file in one
    // step: readers see the old file or the new one.
    const QByteArray part = QFile::encodeName(m_partPath);
    if (!syncFile(part, O_RDONLY)) {
        m_error = m_partPath + u": "_s + QString::fromLocal8Bit(std::strerror(errno));
        return false;
    }
    if (std::rename(part.constData(), QFile::encodeName(m_path).constData()) != 0) {
        m_error = u"cannot move "_s + m_partPath + u" to "_s + m_path;
        return false;
    }
    m_committed = true;
    setOpenPart({});
    syncFile(QFile::encodeName(QFileInfo(m_path).absolutePath()), O_RDONLY | O_DIRECTORY);
    return true;
}

} // namespace tirta
