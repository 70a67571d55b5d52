#include "ProductTexts.h"

namespace zelva::module {

const Requirement kRequirements[kRequirementCount] = {
    {L"OS:",
     L"Windows 7 64-bit (older OSes such as Windows XP, 32-bit OSes, and Windows 8 may work, but we cannot guarantee "
     L"compatibility or support)",
     L"Windows 7 64-bit"},
    {L"Processor:", L"Core 2 Duo or greater", L"Intel Core i5/i7 Sandy Bridge/IvyBridge/Haswell series"},
    {L"RAM:", L"4GB", L"8GB+"},
    {L"Video Card:",
     L"1GB DirectX 9 compatible Nvidia or ATI card. Onboard motherboard or CPU video is not supported. Some of the "
     L"newer Intel designs may work but we cannot guarantee compatibility.",
     L"2GB+ latest generation Nvidia. (example: GeForce GTX 760, 770, 780)"},
    {L"Monitor:", L"Widescreen 16:9 or 16:10 aspect ratio highly recommended", L"Widescreen with 16:10 aspect ratio"},
};

const wchar_t kBaseTitle[] = L"ZELVA K50-200LR and K50F";

const wchar_t kBaseDescription[] =
    L"The K50 is the twin-engine widebody we always wanted to fly ourselves, and we have built it for FSX the way its "
    L"crews know it: the passenger K50-200LR and the K50F freighter, both in one package.\n\n"
    L"Every system that matters on the line is here in depth: electrics, hydraulics, bleed air and pressurisation, "
    L"fuel with its cross-feed logic, and a flight management system that flies real departures, arrivals and "
    L"approaches with VNAV and a full performance model behind it. The displays, the autoflight and the warning "
    L"system behave as the manuals say, failures included.\n\n"
    L"The electronic checklist guides you through every phase of flight and knows which items the aircraft has "
    L"already sensed as done. Start from cold and dark or from a ready cockpit, and make each airframe yours with "
    L"the Aircraft Specific Settings and our free liveries in ZELVA Hangardesk.";

const wchar_t kBaseInstallNote[] =
    L"Your ZELVA K50 is installed in FSX: Steam Edition.\n\n"
    L"You can fly it in the boxed FSX too: install FSX, then run your K50 installer again and choose the FSX version. "
    L"Any K50 installer that can install into FSX: Steam Edition can install the FSX version as well, so there is "
    L"nothing more to buy.";

const wchar_t kExpansionTitle[] = L"ZELVA K50-300ER Expansion";

const wchar_t kExpansionDescription[] =
    L"The K50-300ER stretches the K50 series for the long haul: a longer fuselage, more fuel and more powerful "
    L"engines take it across oceans with a full cabin.\n\n"
    L"You get the same detailed virtual cockpit you know from the K50-200LR, with flight management, navigation and "
    L"performance data reworked for the -300ER, its own options and failure scenarios, the tail-camera system, the "
    L"tail skid option, and engines and landing gear modelled for the heavier aircraft.\n\n"
    L"The expansion is used with the K50-200LR/F base package in FSX, and our free liveries for it come straight "
    L"through ZELVA Hangardesk.";

const wchar_t kExpansionInstallNote[] =
    L"Your ZELVA K50 is installed in FSX: Steam Edition.\n\n"
    L"To fly the K50-300ER in the boxed FSX as well, install FSX, then the FSX version of the K50 from your "
    L"installer, and then the K50-300ER expansion. Any installer of ours that can install into FSX: Steam Edition "
    L"can also install the FSX version.";

}  // namespace zelva::module
