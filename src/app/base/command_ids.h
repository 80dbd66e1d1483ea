#pragma once

// Numeric command ids, as the menus, the toolbar and the accelerators carry them.
namespace CommandId {
inline constexpr int FileNew = 57600;
inline constexpr int FileOpen = 57601;
inline constexpr int FileSave = 57603;
inline constexpr int FileSaveAs = 57604;
inline constexpr int FilePrintSetup = 57606;
inline constexpr int FilePrint = 57607;
inline constexpr int FilePrintPreview = 57609;
// The recent files take the ids from here upwards, one per entry.
inline constexpr int RecentFileFirst = 57616;
inline constexpr int EditCopy = 57634;
inline constexpr int EditCut = 57635;
inline constexpr int EditPaste = 57637;
inline constexpr int EditUndo = 57643;
inline constexpr int EditRedo = 57644;
inline constexpr int MouseRightMenuItem = 57654;
inline constexpr int AppAbout = 57664;
inline constexpr int AppExit = 57665;
inline constexpr int ViewToolbar = 59392;
inline constexpr int ViewStatusBar = 59393;

inline constexpr int WordList = 32771;
inline constexpr int RandomNumberTest = 32772;
inline constexpr int NewGame = 32773;
inline constexpr int DrawLevel = 32774;
inline constexpr int LevelUp = 32776;
inline constexpr int LevelDown = 32777;
inline constexpr int NewGame3 = 32778;
inline constexpr int LoadSavedGame = 32779;
inline constexpr int ShowAllLevels = 32780;
inline constexpr int Hint = 32781;
inline constexpr int AutoRemovePair = 32784;
inline constexpr int FastAutoFinish = 32785;
inline constexpr int ExportWordList = 32786;
inline constexpr int Progress = 32800;
inline constexpr int ZoomIn = 32801;
inline constexpr int ZoomOut = 32802;
inline constexpr int ZoomToFit = 32803;
inline constexpr int HelpKeys = 32804;
inline constexpr int TodaysReview = 32805;
inline constexpr int HelpHowToPlay = 32806;
inline constexpr int SpeakWords = 32790;
inline constexpr int Languages = 32791;
inline constexpr int PlaySounds = 32880;
inline constexpr int DealClearableBoards = 32840;
inline constexpr int NewWordList = 32820;
inline constexpr int EditWordList = 32821;
inline constexpr int PrintWorksheet = 32822;
inline constexpr int FileImport = 32830;
inline constexpr int TypeTheWords = 32850;
inline constexpr int Flashcards = 32851;
inline constexpr int ChooseTheWord = 32852;
inline constexpr int ReviewSettings = 32860;
inline constexpr int ExportMyResults = 32862;
inline constexpr int ClassResults = 32861;
inline constexpr int ViewHome = 32870;
} // namespace CommandId

inline constexpr int RecentFileCount = 8;
