// SPDX-License-Identifier: MIT
#include "platform/MediaPlayer.h"
#include "support/SoundFiles.h"

#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <future>
#include <string>
#include <vector>

using namespace std::chrono_literals;
namespace fs = std::filesystem;

namespace {

// Each test gets its own folder and its own disk-audio output file.
class MediaPlayerTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        output = file("output.raw");
        setenv("SDL_DISKAUDIOFILE", output.c_str(), 1);
    }
    void TearDown() override { unsetenv("SDL_DISKAUDIOFILE"); }

    std::string file(const std::string &name) const {
        return dir.filePath(QString::fromStdString(name)).toStdString();
    }
    std::string write(const std::string &name, const std::string &content) const {
        const std::string path = file(name);
        writeFile(path, content);
        return path;
    }

    // The 16-bit samples the disk driver has written so far.
    std::vector<int16_t> samples() const { return diskAudioSamples(output); }
    bool becomesAudible(size_t from = 0) const {
        return QTest::qWaitFor([&] { return audible(samples(), from); }, 4000);
    }
    // Waits until the device has written `count` more samples after `from`.
    bool writesOn(size_t from, size_t count) const {
        return QTest::qWaitFor([&] { return samples().size() >= from + count; }, 4000);
    }
    // One buffer of the device: 2048 frames of two channels.
    static constexpr size_t deviceBuffer = 2 * 2048;

    // Whether the disk driver holds its file open in this process, that is,
    // whether the audio device is open.
    bool deviceHeld() const { return diskDeviceHeld(output); }
    bool deviceLetGo() const {
        return QTest::qWaitFor([&] { return fs::exists(output) && !deviceHeld(); }, 3000);
    }

    QTemporaryDir dir;
    std::string output;
};

TEST_F(MediaPlayerTest, WaveAndMidiFilesPlay) {
    for (const NamedSound &sound : soundOfEachKind()) {
        SCOPED_TRACE(sound.name);
        MediaPlayer player;
        player.setAutoSelect();
        player.Wait = false;
        player.FileName = write(sound.name, sound.content);
        ASSERT_NO_THROW(player.Open());
        EXPECT_EQ(player.Error(), 0);
        EXPECT_FALSE(audible(samples())) << "nothing plays before Play";
        player.Play();
        EXPECT_EQ(player.Error(), 0);
        EXPECT_TRUE(becomesAudible());
    }
}

TEST_F(MediaPlayerTest, FailedOpensThrowTheErrorText) {
    const struct {
        const char *what;
        std::string fileName;
        int code;
    } cases[] = {
        {"missing file", file("missing.wav"), MediaPlayer::FileNotFound},
        {"missing folder", file("nowhere/tone.wav"), MediaPlayer::FileNotFound},
        {"empty name", "", MediaPlayer::NoFileName},
        {"text file", write("notes.wav", "This is not a sound at all.\r\n"),
         MediaPlayer::InvalidFile},
        {"empty file", write("empty.mid", ""), MediaPlayer::InvalidFile},
        {"folder", dir.path().toStdString(), MediaPlayer::InvalidFile},
    };
    for (const auto &test : cases) {
        SCOPED_TRACE(test.what);
        MediaPlayer player;
        player.FileName = test.fileName;
        try {
            player.Open();
            ADD_FAILURE() << "open did not fail";
        } catch (const MediaError &error) {
            EXPECT_EQ(player.Error(), test.code);
            EXPECT_EQ(error.code(), test.code);
            EXPECT_EQ(error.what(), player.ErrorMessage());
            EXPECT_NE(player.ErrorMessage(), "Unknown error code");
        }
        player.Play(); // nothing is open: a result code, no exception
        EXPECT_EQ(player.Error(), MediaPlayer::NotOpen);
    }
}

TEST_F(MediaPlayerTest, SetAutoSelectKeepsTheLastResult) {
    MediaPlayer player;
    player.Play();
    ASSERT_EQ(player.Error(), MediaPlayer::NotOpen);
    player.setAutoSelect();
    EXPECT_TRUE(player.autoSelect());
    EXPECT_EQ(player.Error(), MediaPlayer::NotOpen);
}

TEST(MediaPlayerErrorText, EveryCodeHasItsOwnTextAndOthersAreUnknown) {
    std::vector<std::string> texts;
    for (int code = MediaPlayer::Success; code <= MediaPlayer::DeviceTimedOut; ++code) {
        const std::string text = MediaPlayer::errorText(code);
        EXPECT_NE(text, "Unknown error code") << code;
        for (const auto &other : texts)
            EXPECT_NE(text, other) << code;
        texts.push_back(text);
    }
    EXPECT_EQ(MediaPlayer::errorText(-1), "Unknown error code");
    EXPECT_EQ(MediaPlayer::errorText(MediaPlayer::DeviceTimedOut + 1), "Unknown error code");
    EXPECT_EQ(MediaPlayer::errorText(263), "Unknown error code");
}

// Opening the next file cuts off the sound still playing, whether the new file
// opens or not; the new one then plays.
TEST_F(MediaPlayerTest, OpeningAnotherFileStopsTheSoundStillPlaying) {
    const std::string longTone = write("long.wav", sineWave(3.0));
    const std::string shortTone = write("short.wav", sineWave(0.5, 880.0));
    for (const std::string &next : {shortTone, file("missing.wav")}) {
        SCOPED_TRACE(next);
        MediaPlayer player;
        player.FileName = longTone;
        player.Open();
        player.Play();
        ASSERT_TRUE(becomesAudible());

        player.FileName = next;
        try {
            player.Open();
        } catch (const MediaError &) {
        }
        // Let the device write a few buffers to drain, then expect silence
        // although the long tone had seconds left. The waits count samples
        // written, not time, so a slow machine only makes them longer.
        writesOn(samples().size(), 6 * deviceBuffer);
        const size_t cut = samples().size();
        writesOn(cut, 6 * deviceBuffer);
        const auto after = samples();
        ASSERT_GT(after.size(), cut + 2000) << "the device stopped writing";
        EXPECT_FALSE(audible(after, cut));

        if (player.Error() == 0) {
            player.Play();
            EXPECT_TRUE(becomesAudible(after.size()));
        }
    }
}

// Without a usable audio output, opening fails like any other open and the
// player stays usable.
TEST_F(MediaPlayerTest, NoAudioDeviceIsAnOpenFailure) {
    const std::string tone = write("tone.wav", sineWave(0.2));
    const char *previous = std::getenv("SDL_AUDIODRIVER");
    const std::string saved = previous ? previous : "";
    setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
    {
        MediaPlayer player;
        player.FileName = tone;
        EXPECT_THROW(player.Open(), MediaError);
        EXPECT_EQ(player.Error(), MediaPlayer::NoAudioDevice);
        player.Play();
        EXPECT_EQ(player.Error(), MediaPlayer::NotOpen);
        // A missing file is still told apart from a missing device.
        player.FileName = file("missing.wav");
        EXPECT_THROW(player.Open(), MediaError);
        EXPECT_EQ(player.Error(), MediaPlayer::FileNotFound);
    }
    if (previous)
        setenv("SDL_AUDIODRIVER", saved.c_str(), 1);
    else
        unsetenv("SDL_AUDIODRIVER");

    // Once a device is there again, the next player opens it.
    MediaPlayer player;
    player.FileName = tone;
    EXPECT_NO_THROW(player.Open());
    player.Play();
    EXPECT_EQ(player.Error(), 0);
    EXPECT_TRUE(becomesAudible());
}

// After a sound the device is closed; the next open takes it again, lets it go
// when the sound waits too long for its play, and the play loads it again.
TEST_F(MediaPlayerTest, TheDeviceIsLetGoWhenIdleAndOpenedAgainForTheNextSound) {
    MediaPlayer player;
    player.FileName = write("tone.wav", sineWave(0.2));
    player.Open();
    player.Play();
    ASSERT_TRUE(becomesAudible());
    ASSERT_TRUE(deviceHeld());
    ASSERT_TRUE(deviceLetGo());

    fs::remove(output);
    player.Open();
    ASSERT_TRUE(deviceLetGo()) << "an opened sound does not hold the device for ever";
    fs::remove(output);
    player.Play();
    EXPECT_EQ(player.Error(), 0);
    EXPECT_TRUE(becomesAudible()) << "loaded again for the play";
}

// A sound service that does not answer: the window's events go on while the
// sound waits, the play fails with its own code, and the device that opens in
// the end is closed again, by the player or, if the player is gone, by the
// opening itself. The next sound then plays.
TEST_F(MediaPlayerTest, ADeviceThatOpensTooLateFailsThePlayAndIsClosed) {
    const std::string tone = write("tone.wav", sineWave(0.2));
    for (const bool playerStays : {true, false}) {
        SCOPED_TRACE(playerStays ? "player stays" : "player gone");
        fs::remove(output);
        std::promise<void> answer;
        MediaPlayer::setBeforeDeviceOpen([late = answer.get_future().share()] { late.wait(); });
        MediaPlayer::setDeviceOpenTimeout(300ms);
        auto player = std::make_unique<MediaPlayer>();
        QObject context;
        bool ticked = false;
        QTimer::singleShot(20ms, &context, [&ticked] { ticked = true; });
        player->FileName = tone;
        EXPECT_NO_THROW(player->Open());
        EXPECT_TRUE(ticked) << "events stopped while the device was being opened";
        player->Play();
        EXPECT_EQ(player->Error(), MediaPlayer::DeviceTimedOut);
        if (!playerStays)
            player.reset();
        MediaPlayer::setBeforeDeviceOpen({});
        MediaPlayer::setDeviceOpenTimeout(3000ms);
        answer.set_value();
        EXPECT_TRUE(deviceLetGo());

        MediaPlayer next;
        MediaPlayer &again = playerStays ? *player : next;
        fs::remove(output);
        again.FileName = tone;
        again.Open();
        again.Play();
        EXPECT_EQ(again.Error(), 0);
        EXPECT_TRUE(becomesAudible());
    }
}

} // namespace
