// The editor's operations on a level: creating, deleting, renaming and locking
// with undo and redo, saving and loading files, test play, and the refusals that
// keep a level and the designer's work whole.

#include "EditorHarness.h"
#include "data/LevelSettings.h"
#include "game/states/Gameplay.h"
#include "graphics/GraphicsSystem.h"
#include "graphics/SpriteText.h"

#include <filesystem>
#include <fstream>

namespace Orvex
{
namespace
{
bool Exists(const std::string& level)
{
    return std::filesystem::exists(AssetPath("Levels", level));
}

std::string Read(const std::string& level)
{
    std::ifstream in(AssetPath("Levels", level));
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// It starts with its camera outside the table and fresh level settings.
TEST_F(EditorTest, CreateDeleteUndoAndRedoKeepTheEntityAndItsId)
{
    ASSERT_EQ(editor->Entities().size(), 1u);
    EXPECT_EQ(editor->Entities().begin()->second, editor->LevelSettingsEntity());
    EXPECT_EQ(editor->LevelSettingsEntity()->name, "LevelSettings");
    EXPECT_EQ(editor->CameraEntity(), &editor->EditorCamera());
    EXPECT_EQ(editor->EditorCamera().name, "LevelEditorCamera");
    EXPECT_FALSE(editor->ChecksDependencies());
    editor->EditorCamera().Get<Transform>()->position = {3.0f, -2.0f};
    Entity* made = editor->CreateEntity("Default");
    ASSERT_NE(made, nullptr);
    const std::uint32_t id = made->id;
    EXPECT_EQ(made->name, "Default");
    EXPECT_EQ(PositionOf(*made), tvec2(3.0f, -2.0f)); // the middle of the view
    EXPECT_EQ(editor->Selected(), made);
    EXPECT_TRUE(editor->Modified());

    Key(SDL_SCANCODE_Z, true);
    EXPECT_EQ(editor->FindById(id), nullptr);
    EXPECT_FALSE(editor->Modified());
    Key(SDL_SCANCODE_Y, true);
    ASSERT_NE(editor->FindById(id), nullptr);
    EXPECT_EQ(PositionOf(*editor->FindById(id)), tvec2(3.0f, -2.0f));

    editor->DeleteEntity(*editor->FindById(id));
    EXPECT_EQ(editor->Selected(), nullptr);
    Frame();
    EXPECT_EQ(editor->Entities().count(id), 0u);
    editor->Undo();
    ASSERT_NE(editor->FindById(id), nullptr);
    EXPECT_EQ(editor->FindById(id)->name, "Default");

    // Undone within the frame of the delete, the very entity stays.
    Entity& crate = Place("crate", {1.0f, 1.0f});
    editor->DeleteEntity(crate);
    editor->Undo();
    Frame();
    EXPECT_EQ(editor->FindById(crate.id), &crate);
}

TEST_F(EditorTest, RenameLockAndFieldTextsComeBackExactlyWithUndo)
{
    Entity& sign = Place("sign", {0.0f, 0.0f});
    sign.Add<SpriteText>()->text = "Hello";
    const EntitySnapshot before = TakeSnapshot(sign);
    sign.Get<SpriteText>()->text = "";
    sign.Get<Transform>()->scale = {3.0f, 4.0f};
    editor->RecordChange(sign, before);
    editor->RenameEntity(sign, "board");
    editor->RenameEntity(sign, ""); // refused
    editor->ToggleLock(sign);
    EXPECT_EQ(sign.name, "board");
    EXPECT_TRUE(sign.flags.test(Entity::Locked));

    editor->Undo();
    EXPECT_FALSE(sign.flags.test(Entity::Locked));
    editor->Undo();
    EXPECT_EQ(sign.name, "sign");
    editor->Undo();
    EXPECT_EQ(sign.Get<SpriteText>()->text, "Hello");
    EXPECT_EQ(sign.Get<Transform>()->scale, tvec2(1.0f, 1.0f));
    EXPECT_FALSE(editor->Undo());
    editor->Redo();
    EXPECT_EQ(sign.Get<SpriteText>()->text, ""); // an empty text is a value, not an absent key
}

// The level settings stay; the key is off while the Entity Editor has the keyboard.
TEST_F(EditorTest, DeleteKeyRemovesTheChosenEntityButNeverTheLevelSettings)
{
    Entity* settings = editor->LevelSettingsEntity();
    editor->Select(settings);
    Key(SDL_SCANCODE_DELETE);
    Frame();
    EXPECT_EQ(editor->FindById(settings->id), settings);
    EXPECT_NE(editor->NoticeText().find("stays"), std::string::npos);
    EXPECT_FALSE(editor->History().CanUndo());

    Entity& crate = Place("crate", {0.0f, 0.0f});
    editor->Select(&crate);
    editor->entityEditorFocused = true;
    Hold(SDL_SCANCODE_DELETE);
    editor->Update(PlayHarness::step); // the flag as the window left it this frame
    Let(SDL_SCANCODE_DELETE);
    EXPECT_EQ(editor->FindById(crate.id), &crate);
    Key(SDL_SCANCODE_DELETE);
    EXPECT_EQ(editor->FindById(crate.id), nullptr);
}

TEST_F(EditorTest, SavedLevelLoadsBackEqualWithItsCameraAndSavingOverItAsksFirst)
{
    const std::string level = LevelName("roundtrip");
    PlaceCamera("View");
    Entity& crate = Place("crate", {2.5f, -1.0f}, 3);
    crate.flags.set(Entity::Locked);
    editor->RequestSave(level);
    ASSERT_TRUE(Exists(level));
    EXPECT_FALSE(editor->Modified());

    editor->LoadAtNextFrame(level);
    Frame();
    EXPECT_EQ(editor->Entities().size(), 3u);
    const Entity* loaded = editor->FindEntity("crate");
    ASSERT_NE(loaded, nullptr);
    EXPECT_EQ(PositionOf(*loaded), tvec2(2.5f, -1.0f));
    EXPECT_EQ(loaded->Get<Sprite>()->layer, 3);
    EXPECT_TRUE(loaded->flags.test(Entity::Locked));
    ASSERT_NE(editor->LevelCamera(), nullptr);
    EXPECT_EQ(editor->LevelCamera()->name, "View");
    EXPECT_EQ(editor->CameraEntity(), &editor->EditorCamera());
    EXPECT_EQ(editor->EditorCamera().Get<Camera>()->size,
              12.0f); // the view shows what the level's does
    EXPECT_EQ(std::string(editor->levelName), level);

    // Saved under another name, the loaded camera is still the level's.
    const std::string copy = LevelName("roundtrip_copy");
    editor->RequestSave(copy);
    const std::string saved = Read(copy);
    EXPECT_NE(saved.find("Camera=View\n"), std::string::npos);

    // Over a file, it asks first; cancelled, the file stays as it was.
    Place("barrel", {0.0f, 0.0f});
    editor->RequestSave(copy);
    EXPECT_EQ(TakePopups(), std::vector<EditorPopup>{EditorPopup::OverwriteLevel});
    EXPECT_EQ(Read(copy), saved);
    EXPECT_TRUE(editor->Save(copy)); // "Overwrite"
    EXPECT_NE(Read(copy).find("Name=barrel"), std::string::npos);
}

TEST_F(EditorTest, SavingOrTestingWithoutALevelCameraAsksForOneAndADeletedOneComesBackWithUndo)
{
    editor->RequestSave(LevelName("nocamera"));
    editor->TestPlay();
    EXPECT_EQ(TakePopups(),
              (std::vector<EditorPopup>{EditorPopup::NoCamera, EditorPopup::NoCamera}));
    EXPECT_FALSE(Exists(LevelName("nocamera")));

    Entity& view = PlaceCamera();
    editor->DeleteEntity(view);
    Frame();
    EXPECT_EQ(editor->LevelCamera(), nullptr);
    editor->RequestSave(LevelName("deletedcamera"));
    EXPECT_EQ(TakePopups(), std::vector<EditorPopup>{EditorPopup::NoCamera});
    editor->Undo();
    ASSERT_NE(editor->LevelCamera(), nullptr);
    EXPECT_EQ(editor->LevelCamera()->name, "Camera");
}

// Each is a problem shown to the designer, not an end: a missing archetype, a
// failed write, and a level that would fail on every load is not saved.
struct Refusal
{
    const char* what;
    bool (*act)(EditorTest& test); // true when the editor went ahead
    const char* problem;
};

class Problems : public EditorTest, public ::testing::WithParamInterface<Refusal>
{
};

TEST_P(Problems, AreShownAndNothingIsMadeOrWritten)
{
    EXPECT_FALSE(GetParam().act(*this));
    EXPECT_EQ(TakePopups(), std::vector<EditorPopup>{EditorPopup::Problem});
    EXPECT_NE(editor->Problem().find(GetParam().problem), std::string::npos) << editor->Problem();
}

// Saves the level with its camera spoiled as asked; true when a file came of it.
bool SaveSpoiled(EditorTest& t, void (*spoil)(EditorTest& t, Entity& camera))
{
    spoil(t, t.PlaceCamera());
    return t.editor->Save(t.LevelName("refused")) || Exists(t.LevelName("refused"));
}

INSTANTIATE_TEST_SUITE_P(
    EachOne, Problems,
    ::testing::Values(
        Refusal{"MissingArchetype",
                [](EditorTest& t) { return t.editor->CreateEntity("NoSuchArchetype") != nullptr; },
                "Could not find file"},
        Refusal{"FailedWrite",
                [](EditorTest& t)
                {
                    t.PlaceCamera();
                    return t.editor->Save("no_such_folder/level");
                },
                "Could not write the level file: "},
        Refusal{"CameraLostItsCamera",
                [](EditorTest& t) {
                    return SaveSpoiled(t, [](EditorTest&, Entity& camera) { camera.RemoveComponent("Camera"); });
                },
                "has no Camera component"},
        Refusal{"SettingsLostLevelSettings",
                [](EditorTest& t)
                {
                    return SaveSpoiled(t, [](EditorTest& t, Entity&)
                                       { t.editor->LevelSettingsEntity()->RemoveComponent("LevelSettings"); });
                },
                "has no LevelSettings component"},
        Refusal{"AnotherEntityBearsTheCamerasName",
                [](EditorTest& t) {
                    return SaveSpoiled(t, [](EditorTest& t, Entity&) { t.Place("Camera", {0, 0}); });
                },
                "Two entities are named Camera"}),
    [](const ::testing::TestParamInfo<Refusal>& info) { return std::string(info.param.what); });

TEST_F(EditorTest, AMalformedLevelIsAProblemAndTheOpenLevelStays)
{
    const std::string level = LevelName("malformed");
    {
        std::ofstream out(AssetPath("Levels", level));
        out << "LevelData:\n{\n  VersionMinor=3\n}\n\nEntities:\n{\n  0:\n  {\n    Name=bad\n"
               "    Flags=0x\n  }\n}\n";
    }
    Entity& crate = Place("crate", {1.0f, 2.0f});
    Entity* made = editor->CreateEntity("Default");
    editor->LoadAtNextFrame(level);
    Frame();
    EXPECT_EQ(TakePopups(), std::vector<EditorPopup>{EditorPopup::Problem});
    EXPECT_NE(editor->Problem().find("Could not load level " + level), std::string::npos);
    EXPECT_EQ(editor->FindById(crate.id), &crate);
    EXPECT_EQ(editor->Entities().size(), 3u);
    EXPECT_EQ(editor->Selected(), made);
    EXPECT_TRUE(editor->History().CanUndo());
}

TEST_F(EditorTest, LoadingOverUnsavedChangesAsksFirst)
{
    editor->CreateEntity("Default");
    editor->RequestLoad("Level1Forest");
    EXPECT_EQ(TakePopups(), std::vector<EditorPopup>{EditorPopup::DiscardChanges});
    EXPECT_EQ(editor->PendingConfirmedLoad(), "Level1Forest");
    Frame();
    EXPECT_EQ(editor->FindEntity("TumboWuffin"), nullptr);
}

TEST_F(EditorTest, TestPlayRunsTheLevelAboveAndItsFileGoesWhenItEnds)
{
    PlaceCamera();
    Entity& crate = Place("crate", {1.0f, 1.0f});
    editor->TestPlay();
    Frame();
    auto* played = dynamic_cast<Gameplay*>(play.engine.ActiveGamestate());
    ASSERT_NE(played, nullptr);
    EXPECT_EQ(played->CurrentLevel(), LevelEditor::testLevel);
    EXPECT_NE(played->FindEntity("crate"), nullptr);
    EXPECT_TRUE(Exists(LevelEditor::testLevel));

    play.engine.PopGamestates(1);
    Frame();
    EXPECT_EQ(play.engine.ActiveGamestate(), editor);
    EXPECT_FALSE(Exists(LevelEditor::testLevel));
    EXPECT_EQ(editor->FindById(crate.id), &crate);
    EXPECT_EQ(PositionOf(crate), tvec2(1.0f, 1.0f));

    // Leaving the editor removes one left over as well.
    {
        std::ofstream(AssetPath("Levels", LevelEditor::testLevel)) << "left over";
    }
    play.engine.PopGamestates(1);
    Frame();
    EXPECT_FALSE(Exists(LevelEditor::testLevel));
}

// The play state checks what each component needs, the editor does not: a
// level that would stop the program there is stopped before it starts.
TEST_F(EditorTest, TestPlayOfALevelThatWouldNotStartIsAProblem)
{
    PlaceCamera();
    Entity& bare = play.Spawn("bare");
    bare.Add<Sprite>(); // without its Transform and Color
    editor->TestPlay();
    Frame();
    EXPECT_EQ(play.engine.ActiveGamestate(), editor);
    EXPECT_EQ(TakePopups(), std::vector<EditorPopup>{EditorPopup::Problem});
    EXPECT_NE(editor->Problem().find("Dependency fail. Entity bare"), std::string::npos)
        << editor->Problem();
    EXPECT_FALSE(Exists(LevelEditor::testLevel));
    EXPECT_FALSE(editor->ChecksDependencies());
}

// Either Ctrl with F5, and only that pair, opens it.
TEST_F(EditorTest, CtrlF5OpensTheEditorOnTheShownLevelButNeverASecondOne)
{
    play.engine.PopGamestates(1);
    Frame();
    IGamestate& menu = play.PushBare();
    menu.SetCurrentLevel("Level1Forest");
    GraphicsSystem graphics;
    const auto press = [&](unsigned ctrl, unsigned key)
    {
        Hold(ctrl);
        Hold(key);
        graphics.Update(0.0f);
        Frame();
        Let(key);
        Let(ctrl);
        Frame();
    };
    press(SDL_SCANCODE_LSHIFT, SDL_SCANCODE_F5);
    press(SDL_SCANCODE_LCTRL, SDL_SCANCODE_F4);
    EXPECT_EQ(play.engine.ActiveGamestate(), &menu);
    press(SDL_SCANCODE_RCTRL, SDL_SCANCODE_F5);
    auto* opened = dynamic_cast<LevelEditor*>(play.engine.ActiveGamestate());
    ASSERT_NE(opened, nullptr);
    Frame();
    EXPECT_NE(opened->FindEntity("TumboWuffin"), nullptr);
    const std::size_t depth = play.engine.Gamestates().size();
    press(SDL_SCANCODE_LCTRL, SDL_SCANCODE_F5);
    EXPECT_EQ(play.engine.Gamestates().size(), depth);
}
} // namespace
} // namespace Orvex
