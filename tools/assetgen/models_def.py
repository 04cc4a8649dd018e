"""Models.def: the names and last words of the eight characters."""
import os

HEADER = """\
; Codename: Skarveth - model definitions
;
; Eight models, eleven lines each: the name first (colour codes ^1..^8 allowed),
; then ten chat lines, one of which a model may say when it is fragged.
; Lines starting with a semicolon are comments and do not count.
; Model k uses frame k of Models.bmp (50 x 80 pixels, counted from 0).
"""

MODELS = [
    ("^1Krov", "heavy assault armour", [
        "That was armour-piercing? Lucky.",
        "I have been shot by better. Once.",
        "Tell the quartermaster I want a refund.",
        "Hull breach. Mine. Ow.",
        "I'll be back with a bigger plate.",
        "You aimed for the one gap. Respect.",
        "Krov does not fall. Krov... reclines.",
        "Forty kilos of steel and you found the seam.",
        "Reloading my dignity. Please stand by.",
        "Next time I bring the shield wall.",
    ]),
    ("Vanta", "scout who trusts her shadows", [
        "You weren't supposed to see me.",
        "Shadows lied to me again.",
        "Fine. Your eyes are sharper than your manners.",
        "I was only scouting. Honest.",
        "Note to self: walk faster.",
        "Every cloak has a flicker. You found mine.",
        "Nobody saw that. Right?",
        "I'll haunt the vents now.",
        "Quiet death. Good. I hate the loud ones.",
        "Mark my place. I'm coming back for it.",
    ]),
    ("^3Brass^7jaw", "cyborg grunt with a hydraulic arm", [
        "Arm's still under warranty, at least.",
        "Hydraulics... losing... pressure...",
        "Who oiled the floor?",
        "Chew on this! Oh. Wait. I'm the one chewing.",
        "My jaw's brass. My luck is tin.",
        "Seventy percent machine. Hundred percent annoyed.",
        "Somebody log the damage. I can't feel my everything.",
        "Not the face! Too late, not the face.",
        "I'll get a bigger arm. Two bigger arms.",
        "Sparks. So many sparks.",
    ]),
    ("Hollow ^5Saint", "preacher of the quiet reactor", [
        "The lamp flickers. It does not go out.",
        "I forgive you. The reactor will not.",
        "Blessed are the quick on the trigger.",
        "My sermon was not finished.",
        "Light returns to light.",
        "You have shot a holy man. Write it down.",
        "The hood was not bulletproof. Noted.",
        "I walk again at the next bell.",
        "Your aim is a prayer answered. Not mine.",
        "Peace, stranger. Until I respawn.",
    ]),
    ("Mox", "visitor who came for the scrap", [
        "Mox only wanted the shiny scrap!",
        "On my world, this means we are married.",
        "Ow. Ow. Ow. Interesting. Ow.",
        "Mox files complaint with your planet.",
        "Your beam is very bright. Mox is very flat.",
        "Mox will tell the others you are rude.",
        "Is this the welcome party?",
        "Too many eyes, and still Mox did not see it.",
        "Mox forgives. Mox also remembers.",
        "Hello! Goodbye! Hello again soon!",
    ]),
    ("^2Riska", "mercenary paid by the hour", [
        "That's going on your bill.",
        "Contract said nothing about railguns.",
        "Good shot. I still want hazard pay.",
        "I had the exit in my sights. So close.",
        "Somebody call my agent.",
        "Goggles were up. Rookie move.",
        "You owe me a jacket.",
        "Okay, okay, you're on the list now.",
        "I'm charging for the respawn.",
        "Next round, it's personal. And paid.",
    ]),
    ("^4Unit K-9", "security walker running old firmware", [
        "ERROR: HOSTILE NOT IN DATABASE.",
        "PATROL ROUTE... INTERRUPTED.",
        "REBOOTING. PLEASE WAIT.",
        "THREAT LEVEL REVISED: UPWARDS.",
        "UNIT REQUESTS PERMISSION TO BE ANGRY.",
        "OPTICAL SENSOR REPORTS: OUCH.",
        "FILING INCIDENT REPORT 0451.",
        "WARRANTY VOID. SO IS UNIT.",
        "GOOD DOG. BAD LUCK.",
        "SHUTTING DOWN WITH DIGNITY... BEEP.",
    ]),
    ("Gorr", "brute who counts on his fists", [
        "Gorr not feel that. Gorr feel that a bit.",
        "Little gun! Big hole! Not fair!",
        "Gorr come back. Gorr angrier.",
        "Who turn off lights?",
        "Gorr was winning. Gorr think.",
        "You shoot like Gorr's mother. Very good.",
        "Tusks hurt. Everything hurt.",
        "Next time Gorr bring rock. Big rock.",
        "Gorr just resting. Very flat resting.",
        "Hah! Good hit! ...Ow.",
    ]),
]


def text():
    lines = [HEADER.rstrip("\n")]
    for k, (name, role, chat) in enumerate(MODELS):
        assert len(chat) == 10
        lines.append(";")
        lines.append("; Model %d: %s" % (k, role))
        lines.append(name)
        lines.extend(chat)
    return "\r\n".join(lines) + "\r\n"


def write(out):
    with open(os.path.join(out, "Models.def"), "w", encoding="cp1252", newline="") as f:
        f.write(text())
