#include "windows/TravelWindow.h"

TravelWindow::TravelWindow(const WindowContext& context)
    : GameWindow(Name, context, gameCaption(), {0, 0, 4680, 2265}, Frame::Fixed) {
    addLabel("Label1",
             "Select which town you wish to go too. towns who's names are grayed out you can not "
             "yet go to.",
             {120, 120, 4455, 450});
    const std::tuple<const char*, const char*, int, const char*, Destination> places[] = {
        {"Farmin", "Go to Farmin", 720, "F", Destination::Farmin},
        {"TrainingCenter", "Go to Training Center", 1200, "T", Destination::TrainingCenter},
        {"BanditsCave", "Go to Bandits Cave", 1680, "B", Destination::BanditsCave}};
    for (const auto& [name, caption, top, key, destination] : places) {
        Control& place = addButton(name, caption, {120, top, 2175, 375});
        place.enabled = false;
        bindKeys(place, {key}, key);
        onClick(place, [this, to = destination] { flow().placeChosen(to); });
    }
}

void TravelWindow::load() {
    const TravelChoices choices = travelChoices(game().StoryStage);
    setEnabled(control("Farmin"), choices.farmin);
    setEnabled(control("TrainingCenter"), choices.trainingCenter);
    setEnabled(control("BanditsCave"), choices.banditsCave);
}
