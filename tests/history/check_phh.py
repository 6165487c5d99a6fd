#!/usr/bin/env python3
"""Plays hands with quillfern-sim --history for both variants, all eight
structures, blinds and antes, and checks the files with Python's own TOML
reader: every hand parses, carries the format's required fields, and its
chips add up: what the actions put in, less what came back, is the rake."""
import os
import subprocess
import sys
import tempfile
import tomllib

SIM = sys.argv[1]
HANDS = int(sys.argv[2]) if len(sys.argv) > 2 else 320
SEATS = ["smart,stupid", "smart,tight,loose,stupid,paranoid,bluffing,erratic",
         "loose,stupid,erratic,bluffing,loose,stupid,erratic,bluffing,smart,tight"]
FIXED = ("F", "F3")


def contributions(hand):
    """What each player put in, from the forced bets and the actions alone."""
    n = len(hand["starting_stacks"])
    stacks = list(hand["starting_stacks"])
    antes, blinds = list(hand["antes"]), list(hand["blinds_or_straddles"])
    if n == 2:  # the format reads the forced bets of two players in reverse
        antes.reverse()
        blinds.reverse()
    put = [0] * n
    street = [0] * n
    for i in range(n):
        ante = min(antes[i], stacks[i])
        blind = min(blinds[i], stacks[i] - ante)
        put[i] += ante + blind
        street[i] = blind
    top = max(street)
    for action in hand["actions"]:
        words = action.split("#")[0].split()
        if words[:2] == ["d", "db"]:
            street, top = [0] * n, 0
        elif words[0] != "d":
            p = int(words[0][1:]) - 1
            left = stacks[p] - put[p]
            if words[1] == "cbr":
                add = int(words[2]) - street[p]
                assert 0 < add <= left, (action, add, left)
                top = int(words[2])
            elif words[1] == "cc":
                add = min(top - street[p], left)
            else:
                continue
            put[p] += add
            street[p] += add
    return put


def check(path, structure, antes):
    with open(path, "rb") as f:
        document = tomllib.load(f)
    assert document, "no hands"
    for number, hand in document.items():
        where = f"{path} hand {number}"
        code = hand["variant"]
        for field in ("variant", "antes", "blinds_or_straddles", "starting_stacks", "actions"):
            assert field in hand, f"{where}: no {field}"
        sizes = ("small_bet", "big_bet") if code[:-1] in FIXED else ("min_bet",)
        for field in sizes:
            assert field in hand, f"{where}: no {field}"
        assert hand["_structure"] == structure and hand["_forced_bets"] == antes, where
        put = contributions(hand)
        start, end = hand["starting_stacks"], hand["finishing_stacks"]
        won, back = hand["winnings"], hand["_returned"]
        for i in range(len(start)):
            assert end[i] == start[i] - put[i] + won[i] + back[i], f"{where}: player {i + 1}"
        assert sum(start) - sum(end) == hand["_rake"], f"{where}: rake"
        assert sum(pot["amount"] for pot in hand["_pots"]) == sum(won), f"{where}: pots"
    return len(document)


def main():
    total = 0
    with tempfile.TemporaryDirectory() as folder:
        for variant in ("texas", "omaha"):
            for structure in range(8):
                for antes in ("blinds", "antes"):
                    path = os.path.join(folder, f"{variant}-{structure}-{antes}.phhs")
                    seats = SEATS[(structure + len(antes)) % len(SEATS)]
                    args = [SIM, "play", "--hands", str(HANDS), "--variant", variant,
                            "--structure", str(structure), "--seats", seats, "--seed",
                            str(structure + 7), "--cap", str(structure % 5), "--history", path]
                    if antes == "antes":
                        args.append("--ante")
                    if structure % 2:
                        args.append("--progressive")
                    subprocess.run(args, check=True, stdout=subprocess.DEVNULL)
                    total += check(path, structure, antes)
    print(f"{total} hands checked")


if __name__ == "__main__":
    main()
