#include "support/StoreTesting.h"
#include "support/TestImages.h"

#include <algorithm>
#include <functional>
#include <limits>
#include <random>

// Random edits, drops, undos and redos, replayed on a plain list model of the editing rules and
// compared with the store after every step; then all is undone to the oldest kept state and
// redone to the newest. Every state, undone and redone ones too, holds each photo's bytes in the
// buffer the photo arrived with: snapshots share, never copy.
namespace {
struct Photo
{
    QUuid id;
    QString caption;
    const char* bytes;
    bool operator==(const Photo&) const = default;
};
using Photos = QList<Photo>; // in board order

struct State
{
    Photos photos;
    BoardSettings settings;
    std::optional<QUuid> selected;
};

Photos photosOf(const BoardStore& store)
{
    Photos photos;
    for (const BoardPhoto& photo : store.photos()) {
        photos.append({ photo.id(), photo.caption(), photo.imageData().constData() });
    }
    return photos;
}

class BoardStoreRandomEdits : public ::testing::Test
{
protected:
    // Replaces the board left by the previous seed, history, edits and a drag included.
    void start(quint32 seed)
    {
        m_random.seed(seed);
        m_store.setDraggingPhotoID(QUuid::createUuid());
        BoardSettings loaded;
        loaded.columns = 40; // normalized on installing
        StoreTesting::installBoard(m_store, StoreTesting::fakePhotos(4), loaded);
        m = { photosOf(m_store), loaded.normalized(), m_store.photos().first().id() };
        m_undo.clear();
        m_redo.clear();
        m_unsaved = false;
        m_deepestUndo = 0;
        EXPECT_FALSE(m_store.draggingPhotoID());
        EXPECT_TRUE(matches());
    }

    ::testing::AssertionResult matches() const
    {
        const std::pair<const char*, bool> checks[]
            = { { "photos", photosOf(m_store) == m.photos }, { "settings", m_store.settings() == m.settings },
                  { "selection", m_store.selectedPhotoID() == m.selected },
                  { "canUndo", m_store.canUndo() == !m_undo.isEmpty() },
                  { "canRedo", m_store.canRedo() == !m_redo.isEmpty() },
                  { "unsaved", m_store.hasUnsavedChanges() == m_unsaved },
                  { "status", m_store.statusMessage() == m_status } };
        for (const auto& [name, same] : checks) {
            if (!same) {
                return ::testing::AssertionFailure() << name << " differs";
            }
        }
        return ::testing::AssertionSuccess();
    }

    void run(int steps)
    {
        const std::function<void()> operations[] = { [this] { add(); }, [this] { move(); },
            [this] { remove(); }, [this] { caption(); }, [this] { settings(); }, [this] { select(); },
            [this] { undoOrRedo(); }, [this] { undoOrRedo(); },
            [this] {
                m_store.acceptWindowClose(); // as a save does: undo must mark the board edited again
                m_unsaved = false;
            } };
        for (int step = 0; step < steps; ++step) {
            operations[below(std::size(operations))]();
            ASSERT_TRUE(matches()) << "step " << step;
        }
        EXPECT_EQ(m_deepestUndo, 30) << "the history never filled, so its limit was not tested";
        undoAllThenRedoAll();
        // A history just filled, gone through twice with one more change between: whatever the
        // store's own count, one pass meets a kept snapshot too many.
        for (int title = 0; title < 33; ++title) {
            if (title >= 31) {
                undoAllThenRedoAll();
            }
            BoardSettings changed = m.settings;
            changed.title = QString::number(title);
            m_store.setSettings(changed);
            record();
            m.settings = changed;
        }
    }

    void undoAllThenRedoAll()
    {
        while (!m_undo.isEmpty()) {
            undoOrRedo(true);
            ASSERT_TRUE(matches()) << m_undo.size() << " undos left";
        }
        undoOrRedo(true);
        ASSERT_TRUE(matches()) << "an undo past the oldest state changes nothing";
        while (!m_redo.isEmpty()) {
            undoOrRedo(false);
            ASSERT_TRUE(matches()) << m_redo.size() << " redos left";
        }
    }

private:
    qsizetype below(qsizetype bound) { return qsizetype(m_random() % quint32(bound)); }

    std::optional<qsizetype> indexOf(const QUuid& id) const
    {
        const auto found
            = std::find_if(m.photos.cbegin(), m.photos.cend(), [&](const auto& p) { return p.id == id; });
        return found == m.photos.cend() ? std::nullopt : std::optional<qsizetype>(found - m.photos.cbegin());
    }

    // A photo on the board, now and then one that is not.
    QUuid somePhoto()
    {
        return m.photos.isEmpty() || below(8) == 0 ? QUuid::createUuid()
                                                   : m.photos[below(m.photos.size())].id;
    }

    void record()
    {
        m_undo.append(m);
        if (m_undo.size() > 30) {
            m_undo.removeFirst();
        }
        m_deepestUndo = std::max(m_deepestUndo, m_undo.size());
        m_redo.clear();
        m_unsaved = true;
    }

    void add()
    {
        if (m.photos.size() >= 8) {
            return;
        }
        const qsizetype count = 1 + below(2);
        ASSERT_TRUE(m_store.handleDrop(QList<DropItem>(count, DropItem::imageData(m_png, "image/png"))));
        ASSERT_TRUE(StoreTesting::waitUntilIdle(m_store));
        record();
        for (qsizetype index = m.photos.size(); index < m_store.photos().size(); ++index) {
            const BoardPhoto& added = m_store.photos()[index];
            ASSERT_EQ(added.fileName(), "Dropped Image.png");
            ASSERT_FALSE(indexOf(added.id())) << "identifiers are unique";
            m.photos.append({ added.id(), "Dropped Image", added.imageData().constData() });
        }
        if (!m.selected) {
            m.selected = m.photos[m.photos.size() - count].id;
        }
        m_status = count == 1 ? "Added 1 image" : "Added 2 images";
    }

    void move()
    {
        const qsizetype offsets[] = { -1, 1, -2, 3, 5, 0, std::numeric_limits<qsizetype>::min(),
            std::numeric_limits<qsizetype>::max() };
        const QUuid id = somePhoto();
        const qsizetype offset = offsets[below(std::size(offsets))];
        m_store.movePhoto(id, offset);
        const std::optional<qsizetype> from = indexOf(id);
        const qsizetype last = m.photos.size() - 1;
        const qsizetype to = !from || offset < -*from ? 0 : (offset > last - *from ? last : *from + offset);
        if (from && to != *from) {
            record();
            m.photos.move(*from, to);
        }
    }

    void remove()
    {
        const bool selected = below(3) == 0;
        const QUuid id = selected ? m.selected.value_or(QUuid()) : somePhoto();
        selected ? m_store.removeSelectedPhoto() : m_store.removePhoto(id);
        const std::optional<qsizetype> at = indexOf(id);
        if (!at) {
            return;
        }
        record();
        m.photos.removeAt(*at);
        if (m.selected == id) {
            m.selected = m.photos.isEmpty() ? std::nullopt
                                            : std::optional(m.photos[std::min(*at, m.photos.size() - 1)].id);
        }
        m_status = "Image removed from board";
    }

    void caption()
    {
        // Given text and what is kept of it: 240 characters, whole flags, no trimming.
        const QString flag = QString::fromUtf8("\U0001F1F3\U0001F1F4");
        const std::pair<QString, QString> captions[]
            = { { QStringLiteral("x").repeated(300), QStringLiteral("x").repeated(240) },
                  { flag.repeated(241), flag.repeated(240) }, { "  padded  ", "  padded  " }, { "", "" } };
        const auto& [given, kept] = captions[below(std::size(captions))];
        const QUuid id = somePhoto();
        m_store.updateCaption(given, id);
        const std::optional<qsizetype> at = indexOf(id);
        if (at && m.photos[*at].caption != kept) {
            record();
            m.photos[*at].caption = kept;
        }
    }

    void settings()
    {
        BoardSettings changed = m.settings;
        const std::function<void()> changes[] = {
            [&] { changed.columns = qint64(1 + below(7)) * (below(4) == 0 ? 10 : 1); }, // stored unclamped
            [&] { changed.background = below(2) == 0 ? BoardBackground::dark : BoardBackground::light; },
            [&] { changed.spacing = double(below(3)) * 12; },
            [&] { changed.title = below(2) == 0 ? QString() : "Trip"; },
        };
        if (below(5) == 0) {
            m_store.resetLayout();
            changed = BoardSettings();
            m_status = "Layout reset";
        } else {
            changes[below(std::size(changes))]();
            m_store.setSettings(changed); // equal values too: they must record nothing
        }
        if (changed != m.settings) {
            record();
            m.settings = changed;
        }
    }

    void select()
    {
        m.selected = below(5) == 0 ? std::nullopt : std::optional(somePhoto());
        m_store.setSelectedPhotoID(m.selected);
    }

    void undoOrRedo(std::optional<bool> undo = std::nullopt)
    {
        const bool undoing = undo.value_or(below(3) != 0);
        undoing ? m_store.undo() : m_store.redo();
        QList<State>& from = undoing ? m_undo : m_redo;
        if (!from.isEmpty()) {
            (undoing ? m_redo : m_undo).append(m);
            m = from.takeLast();
            m_unsaved = true;
            m_status = undoing ? "Undid last change" : "Redid last change";
        }
    }

    std::mt19937 m_random;
    FakeBoardPlatform m_platform;
    BoardStore m_store { m_platform };
    const QByteArray m_png = TestImages::png(QSize(6, 4));
    State m; // the model's board
    QList<State> m_undo;
    QList<State> m_redo;
    bool m_unsaved = false;
    QString m_status = "Ready";
    qsizetype m_deepestUndo = 0;
};
} // namespace

TEST_F(BoardStoreRandomEdits, EveryStepMatchesAPlainListModel)
{
    for (const quint32 seed : { 1u, 2u, 3u }) {
        SCOPED_TRACE(seed);
        start(seed);
        run(250);
    }
}
