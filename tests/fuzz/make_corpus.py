#!/usr/bin/env python3
"""Writes the seed corpus of the save-file fuzzer into tests/fuzz/corpus (run once; the
files are committed). Each seed is a save file the game may meet: a new game, a rich one, one
with damaged fields, one at the ends of the money range, one whose timed bonus would take
credit, a long one, a short one, blank ones."""
import datetime
import math
import os
import struct

LAYOUT = "<qqiiiiiii4sqqq8sqqB7sdB7s"  # the 120 bytes of the game state, little-endian
DUE = (datetime.date(2026, 12, 8) - datetime.date(1899, 12, 30)).days + 10 / 24


def state(**fields):
    s = dict(Balance=30000, LastWin=0, LineCount=50, LineStake=1, TotalStake=50, Level=1,
             StakeStep=1, MaxLineStake=10, JokerUses=0, Unused44=b"\0" * 4, Experience=0,
             LevelStartExperience=0, NextLevelExperience=20000, Reserved72=b"\0" * 8,
             TimedBonusAmount=100, MegaBonusCeiling=2000, BonusStage=0, Unused97=b"\0" * 7,
             BonusDueTime=DUE, SoundOn=1, Unused113=b"\0" * 7)
    s.update(fields)
    return struct.pack(LAYOUT, *s.values())


SEEDS = {
    "new_game": state(),
    "rich_game": state(Balance=50_000_000, LastWin=4000, Level=3, MaxLineStake=30, LineStake=10,
                       StakeStep=4, TotalStake=500, Experience=119_000,
                       LevelStartExperience=60_000, NextLevelExperience=120_000,
                       TimedBonusAmount=300, MegaBonusCeiling=6000, BonusStage=5,
                       Unused44=b"\x01\x02\x03\x04", Reserved72=b"reserved"),
    "damaged_fields": state(Balance=123_456, LineCount=0, Level=-5, StakeStep=99, BonusStage=9,
                            JokerUses=-7, TotalStake=-1, BonusDueTime=math.nan),
    "money_at_the_edge": state(Balance=2**63 - 10, LastWin=2**63 - 1, LineStake=100_000,
                               StakeStep=16, Level=100_000, Experience=2**63 - 100,
                               NextLevelExperience=-(2**63), TimedBonusAmount=2**62,
                               BonusStage=5, BonusDueTime=-1e300, SoundOn=0),
    "negative_timed_bonus": state(Balance=5000, TimedBonusAmount=-(2**62), BonusStage=4),
    "long_file": state(Balance=777) + bytes(range(200)),
    "short_file": state()[:60],
    "blank_file": bytes(120),
    "empty_file": b"",
}

here = os.path.join(os.path.dirname(os.path.abspath(__file__)), "corpus")
os.makedirs(here, exist_ok=True)
for name, data in SEEDS.items():
    with open(os.path.join(here, name + ".cfg"), "wb") as f:
        f.write(data)
