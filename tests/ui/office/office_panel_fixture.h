// The report and export panels' surroundings without the main window.
#pragma once

#include "office_panel_links.h"
#include "office_session.h"
#include "office_test_support.h"
#include "panel_fixture.h"
#include "recording_office.h"

class OfficePanelTest : public PanelTest {
 protected:
  office::OfficePanelLinks Links() {
    return {dialogs, guard, session, *grid, *progress, [this] { return table.TablePath(); },
            [this] { return table.Page(); }, fileSystem.services};
  }

  RecordingOffice servers;
  office::OfficeSession session{servers};
};
