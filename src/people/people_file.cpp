#include "people/people_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>

#include <QDir>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QThread>
#include <QUrl>
#include <QVariant>

#include "engine/input_check.h"

namespace lunarys::people {

namespace {

// The file's marks: SQLite's application id ("LNYP") and the schema version.
constexpr int kApplicationId = 0x4C4E5950;
constexpr int kSchemaVersion = 1;
constexpr int kBusyTimeoutMs = 10000;

constexpr const char* kCreateTable =
    "CREATE TABLE person ("
    " key TEXT PRIMARY KEY NOT NULL,"  // the name in capitals
    " name TEXT NOT NULL,"
    " year INTEGER NOT NULL, month INTEGER NOT NULL, day INTEGER NOT NULL,"
    " hour INTEGER NOT NULL, minute INTEGER NOT NULL,"
    " zone_index INTEGER,"             // a list zone's item, else null
    " daylight_saving INTEGER NOT NULL,"
    " time_zone TEXT,"                 // a database clock's zone, else null
    " lon_degrees INTEGER NOT NULL, lon_minutes INTEGER NOT NULL, lon_east INTEGER NOT NULL,"
    " lat_degrees INTEGER NOT NULL, lat_minutes INTEGER NOT NULL, lat_south INTEGER NOT NULL,"
    " city TEXT NOT NULL, state TEXT NOT NULL, country TEXT NOT NULL,"
    " place_name TEXT, place_state TEXT, place_country TEXT, place_time_zone TEXT,"  // null without a place
    " place_latitude REAL, place_longitude REAL,"
    " kept_at TEXT NOT NULL,"          // ISO 8601, UTC
    " used_at TEXT NOT NULL)";         // kept or opened last

constexpr const char* kColumns =
    "name, year, month, day, hour, minute, zone_index, daylight_saving, time_zone,"
    " lon_degrees, lon_minutes, lon_east, lat_degrees, lat_minutes, lat_south, city, state, country,"
    " place_name, place_state, place_country, place_time_zone, place_latitude, place_longitude, kept_at";

QString Connection()
{
    static std::atomic<int> next{0};
    return QStringLiteral("lunarys-people-%1").arg(next++);
}

QString NotOurs(const QString& path)
{
    return QStringLiteral("'%1' is not a Lunarys people file (damaged, or another program's); it is left as it is")
        .arg(path);
}

QString Failed(const QString& path, const QSqlError& error)
{
    return QStringLiteral("cannot use the people file '%1': %2").arg(path, error.text());
}

// Why an existing database is not one of ours, or nothing. Reads only.
std::optional<QString> Unusable(QSqlDatabase& db, const QString& path, bool emptyIsFine)
{
    QSqlQuery query(db);
    if (!query.exec(QStringLiteral("SELECT (SELECT application_id FROM pragma_application_id),"
                                   " (SELECT user_version FROM pragma_user_version),"
                                   " (SELECT count(*) FROM sqlite_master)"))
        || !query.next())
        return NotOurs(path);
    const int application = query.value(0).toInt();
    const int version = query.value(1).toInt();
    const int objects = query.value(2).toInt();
    if (emptyIsFine && application == 0 && version == 0 && objects == 0)
        return std::nullopt;
    if (application != kApplicationId)
        return NotOurs(path);
    if (version > kSchemaVersion)
        return QStringLiteral("'%1' was written by a newer Lunarys (people file version %2); it is left as it is")
            .arg(path)
            .arg(version);
    if (version < 1 || !query.exec(QStringLiteral("SELECT key FROM person LIMIT 0")))
        return NotOurs(path);
    return std::nullopt;
}

// Why the file cannot be used, looked at read-only; `asOnDisk` reads the file
// alone, without its WAL journal.
std::optional<QString> Probe(const QString& path, bool asOnDisk)
{
    const QString probe = Connection();
    std::optional<QString> problem;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), probe);
        if (asOnDisk) {
            db.setDatabaseName(QUrl::fromLocalFile(path).toString(QUrl::FullyEncoded) + QStringLiteral("?immutable=1"));
            db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY;QSQLITE_OPEN_URI"));
        } else {
            db.setDatabaseName(path);
            db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY;QSQLITE_BUSY_TIMEOUT=%1").arg(kBusyTimeoutMs));
        }
        problem = db.open() ? Unusable(db, path, !asOnDisk) : NotOurs(path);
        db.close();
    }
    QSqlDatabase::removeDatabase(probe);
    return problem;
}

// Whether an SQLite file's header says it is in WAL mode (bytes 18 and 19).
bool InWalMode(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray header = file.read(20);
    return header.size() == 20 && header.startsWith("SQLite format 3") && header[18] == 2 && header[19] == 2;
}

// A file made now, only for its owner; an existing one is left alone.
bool MakeFile(const QString& path)
{
    const QString folder = QFileInfo(path).absolutePath();
    if (!QFileInfo::exists(folder) && QDir().mkpath(folder))
        QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    const QByteArray name = QFile::encodeName(path);
    const int fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd >= 0)
        ::close(fd);
    return fd >= 0 || errno == EEXIST;
}

QVariant Text(const QString& text) { return text.isNull() ? QStringLiteral("") : text; }

QString KeyFromCapitals(const QString& name) { return engine::NameInCapitals(name.trimmed()); }

void Bind(QSqlQuery& q, const engine::Birth& b, const QString& now)
{
    const auto* list = std::get_if<engine::ListZoneClock>(&b.Clock);
    const engine::DatabaseClock* database = engine::DatabaseClockOf(b);
    const QString key = KeyFromCapitals(b.Name);
    q.addBindValue(key);
    q.addBindValue(key);
    for (const int value : {b.Year, b.Month, b.Day, b.Hour, b.Minute})
        q.addBindValue(value);
    q.addBindValue(list ? QVariant(list->ZoneIndex) : QVariant(QMetaType(QMetaType::Int)));
    q.addBindValue(list ? int(list->DaylightSaving) : 0);
    q.addBindValue(database ? QVariant(database->TimeZone) : QVariant(QMetaType(QMetaType::QString)));
    for (const int value : {b.LongitudeDegrees, b.LongitudeMinutes, int(b.LongitudeIsEast), b.LatitudeDegrees,
                            b.LatitudeMinutes, int(b.LatitudeIsSouth)})
        q.addBindValue(value);
    q.addBindValue(Text(b.City));
    q.addBindValue(Text(b.State));
    q.addBindValue(Text(b.Country));
    const QVariant noText(QMetaType(QMetaType::QString));
    const QVariant noNumber(QMetaType(QMetaType::Double));
    q.addBindValue(b.Place ? QVariant(Text(b.Place->Name)) : noText);
    q.addBindValue(b.Place ? QVariant(Text(b.Place->State)) : noText);
    q.addBindValue(b.Place ? QVariant(Text(b.Place->Country)) : noText);
    q.addBindValue(b.Place ? QVariant(Text(b.Place->TimeZone)) : noText);
    q.addBindValue(b.Place ? QVariant(b.Place->Latitude) : noNumber);
    q.addBindValue(b.Place ? QVariant(b.Place->Longitude) : noNumber);
    q.addBindValue(now);
    q.addBindValue(now);
}

Person PersonOf(const QSqlQuery& q, bool withKeptAt = true)
{
    Person p;
    engine::Birth& b = p.Birth;
    int i = 0;
    b.Name = q.value(i++).toString();
    b.Year = q.value(i++).toInt();
    b.Month = q.value(i++).toInt();
    b.Day = q.value(i++).toInt();
    b.Hour = q.value(i++).toInt();
    b.Minute = q.value(i++).toInt();
    const QVariant zone = q.value(i++);
    const bool daylightSaving = q.value(i++).toBool();
    const QVariant timeZone = q.value(i++);
    if (!timeZone.isNull()) {
        engine::DatabaseClock clock;
        clock.TimeZone = timeZone.toString();
        b.Clock = clock;
    } else {
        b.Clock = engine::ListZoneClock{zone.toInt(), daylightSaving};
    }
    b.LongitudeDegrees = q.value(i++).toInt();
    b.LongitudeMinutes = q.value(i++).toInt();
    b.LongitudeIsEast = q.value(i++).toBool();
    b.LatitudeDegrees = q.value(i++).toInt();
    b.LatitudeMinutes = q.value(i++).toInt();
    b.LatitudeIsSouth = q.value(i++).toBool();
    b.City = q.value(i++).toString();
    b.State = q.value(i++).toString();
    b.Country = q.value(i++).toString();
    if (!q.value(i).isNull()) {
        b.Place = engine::AtlasPlace{q.value(i).toString(),     q.value(i + 1).toString(),
                                     q.value(i + 2).toString(), q.value(i + 3).toString(),
                                     q.value(i + 4).toDouble(), q.value(i + 5).toDouble()};
    }
    i += 6;
    if (withKeptAt)
        p.KeptAt = QDateTime::fromString(q.value(i).toString(), Qt::ISODate);
    return p;
}

QString Now() { return QDateTime::currentDateTimeUtc().toString(Qt::ISODateWithMs); }

// A statement run again while another copy holds the file: SQLite does not
// wait (its busy timeout) where waiting could deadlock, as when a journal
// mode changes or a new WAL file is set up, and says "busy" at once.
bool Retried(const QSqlDatabase& db, const QString& statement)
{
    constexpr int kTries = 400;
    for (int attempt = 0; attempt < kTries; ++attempt) {
        QSqlQuery query(db);
        if (query.exec(statement))
            return true;
        QThread::msleep(25);
    }
    return false;
}

// One change in a transaction that takes the write lock at once, so that
// concurrent keepers wait their turn (up to the busy timeout) instead of failing.
class Change {
public:
    explicit Change(QSqlDatabase db) : db_(std::move(db)) { begun_ = Retried(db_, QStringLiteral("BEGIN IMMEDIATE")); }
    ~Change()
    {
        if (begun_)
            QSqlQuery(db_).exec(QStringLiteral("ROLLBACK"));
    }
    bool Begun() const { return begun_; }
    bool Commit()
    {
        begun_ = !QSqlQuery(db_).exec(QStringLiteral("COMMIT"));
        return !begun_;
    }

private:
    QSqlDatabase db_;
    bool begun_ = false;
};

}  // namespace

QString PersonKey(QStringView name) { return KeyFromCapitals(name.toString()); }

QString PeopleFile::DefaultPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)
           + QStringLiteral("/Lunarys/people.sqlite");
}

std::variant<std::unique_ptr<PeopleFile>, QString> PeopleFile::Open(const QString& path)
{
    const QFileInfo info(path);
    if (info.exists() && !info.isFile())
        return NotOurs(path);
    const bool existed = info.exists() && info.size() > 0;
    if (existed) {
        // Looked at read-only first, as it lies on the disk: a file that is
        // not ours is not touched, and no journal is made beside it. Only a
        // file in WAL mode that looks empty so is looked at again with its
        // journal: another copy may be making it.
        std::optional<QString> problem = Probe(path, true);
        if (problem && *problem == NotOurs(path) && InWalMode(path))
            problem = Probe(path, false);
        if (problem)
            return *problem;
    } else if (!MakeFile(path)) {
        return QStringLiteral("cannot make the people file '%1': %2").arg(path, QString::fromLocal8Bit(strerror(errno)));
    }

    std::unique_ptr<PeopleFile> file(new PeopleFile(path, Connection()));
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), file->connection_);
    db.setDatabaseName(path);
    db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(kBusyTimeoutMs));
    if (!db.open())
        return Failed(path, db.lastError());
    QSqlQuery query(db);
    if (!existed && !Retried(db, QStringLiteral("PRAGMA journal_mode=WAL")))
        return Failed(path, db.lastError());
    Change change(db);
    if (!change.Begun())
        return Failed(path, db.lastError());
    // Another copy may have made the file meanwhile; an empty one is made here.
    if (std::optional<QString> problem = Unusable(db, path, true))
        return *problem;
    if (!query.exec(QStringLiteral("SELECT count(*) FROM sqlite_master")) || !query.next())
        return Failed(path, query.lastError());
    if (query.value(0).toInt() == 0) {
        for (const QString& statement :
             {QString::fromLatin1(kCreateTable), QStringLiteral("CREATE INDEX person_used ON person(used_at)"),
              QStringLiteral("PRAGMA application_id=%1").arg(kApplicationId),
              QStringLiteral("PRAGMA user_version=%1").arg(kSchemaVersion)})
            if (!query.exec(statement))
                return Failed(path, query.lastError());
    }
    if (!change.Commit())
        return Failed(path, db.lastError());
    return file;
}

PeopleFile::PeopleFile(QString path, QString connection) : path_(std::move(path)), connection_(std::move(connection)) {}

PeopleFile::~PeopleFile()
{
    QSqlDatabase::database(connection_, false).close();
    QSqlDatabase::removeDatabase(connection_);
}

std::variant<Kept, QString> PeopleFile::Keep(const engine::Birth& birth)
{
    QSqlDatabase db = QSqlDatabase::database(connection_, false);
    Change change(db);
    if (!change.Begun())
        return Failed(path_, db.lastError());
    QSqlQuery query(db);
    query.prepare(QStringLiteral("SELECT 1 FROM person WHERE key = ?"));
    query.addBindValue(KeyFromCapitals(birth.Name));
    if (!query.exec())
        return Failed(path_, query.lastError());
    const Kept kept = query.next() ? Kept::Replaced : Kept::New;
    query.prepare(QStringLiteral("INSERT OR REPLACE INTO person (key, %1, used_at) VALUES (?%2)")
                      .arg(QLatin1StringView(kColumns), QStringLiteral(", ?").repeated(26)));
    Bind(query, birth, Now());
    if (!query.exec() || !change.Commit())
        return Failed(path_, query.lastError());
    return kept;
}

std::variant<std::size_t, QString> PeopleFile::KeepAll(const std::vector<engine::Birth>& births)
{
    QSqlDatabase db = QSqlDatabase::database(connection_, false);
    Change change(db);
    if (!change.Begun())
        return Failed(path_, db.lastError());
    QSqlQuery query(db);
    query.prepare(QStringLiteral("INSERT OR REPLACE INTO person (key, %1, used_at) VALUES (?%2)")
                      .arg(QLatin1StringView(kColumns), QStringLiteral(", ?").repeated(26)));
    const QString now = Now();
    for (const engine::Birth& birth : births) {
        Bind(query, birth, now);
        if (!query.exec())
            return Failed(path_, query.lastError());
    }
    if (!change.Commit())
        return Failed(path_, db.lastError());
    return births.size();
}

std::variant<std::vector<Person>, QString> PeopleFile::List(QStringView filter) const
{
    QSqlQuery query(QSqlDatabase::database(connection_, false));
    query.setForwardOnly(true);
    query.prepare(QStringLiteral("SELECT %1 FROM person WHERE instr(key, ?) > 0 ORDER BY key")
                      .arg(QLatin1StringView(kColumns)));
    query.addBindValue(Text(KeyFromCapitals(filter.toString())));
    if (!query.exec())
        return Failed(path_, query.lastError());
    std::vector<Person> people;
    {
        QSqlQuery count(QSqlDatabase::database(connection_, false));
        if (count.exec(QStringLiteral("SELECT count(*) FROM person")) && count.next())
            people.reserve(count.value(0).toULongLong());
    }
    // A list does not need the time of keeping; reading it costs a tenth of the list.
    while (query.next())
        people.push_back(PersonOf(query, false));
    return people;
}

std::variant<std::optional<Person>, QString> PeopleFile::Find(QStringView name) const
{
    QSqlQuery query(QSqlDatabase::database(connection_, false));
    query.prepare(QStringLiteral("SELECT %1 FROM person WHERE key = ?").arg(QLatin1StringView(kColumns)));
    query.addBindValue(KeyFromCapitals(name.toString()));
    if (!query.exec())
        return Failed(path_, query.lastError());
    if (!query.next())
        return std::optional<Person>();
    return std::optional<Person>(PersonOf(query));
}

std::variant<bool, QString> PeopleFile::Forget(QStringView name)
{
    QSqlDatabase db = QSqlDatabase::database(connection_, false);
    Change change(db);
    QSqlQuery query(db);
    query.prepare(QStringLiteral("DELETE FROM person WHERE key = ?"));
    query.addBindValue(KeyFromCapitals(name.toString()));
    if (!change.Begun() || !query.exec() || !change.Commit())
        return Failed(path_, query.lastError().isValid() ? query.lastError() : db.lastError());
    return query.numRowsAffected() > 0;
}

std::variant<bool, QString> PeopleFile::Rename(QStringView name, QStringView newName)
{
    const QString key = KeyFromCapitals(name.toString());
    const QString newKey = KeyFromCapitals(newName.toString());
    QSqlDatabase db = QSqlDatabase::database(connection_, false);
    Change change(db);
    if (!change.Begun())
        return Failed(path_, db.lastError());
    QSqlQuery query(db);
    if (newKey != key) {
        query.prepare(QStringLiteral("SELECT 1 FROM person WHERE key = ?"));
        query.addBindValue(newKey);
        if (!query.exec())
            return Failed(path_, query.lastError());
        if (query.next())
            return QStringLiteral("%1 is already kept; give another name").arg(newKey);
    }
    query.prepare(QStringLiteral("UPDATE person SET key = ?, name = ? WHERE key = ?"));
    query.addBindValue(newKey);
    query.addBindValue(newKey);
    query.addBindValue(key);
    if (!query.exec())
        return Failed(path_, query.lastError());
    const bool renamed = query.numRowsAffected() > 0;
    if (!change.Commit())
        return Failed(path_, db.lastError());
    return renamed;
}

void PeopleFile::MarkUsed(QStringView name)
{
    QSqlQuery query(QSqlDatabase::database(connection_, false));
    query.prepare(QStringLiteral("UPDATE person SET used_at = ? WHERE key = ?"));
    query.addBindValue(Now());
    query.addBindValue(KeyFromCapitals(name.toString()));
    query.exec();
}

QStringList PeopleFile::Recent(int count) const
{
    QSqlQuery query(QSqlDatabase::database(connection_, false));
    query.prepare(QStringLiteral("SELECT key FROM person ORDER BY used_at DESC, rowid DESC LIMIT ?"));
    query.addBindValue(count);
    QStringList names;
    if (query.exec())
        while (query.next())
            names << query.value(0).toString();
    return names;
}

}  // namespace lunarys::people
