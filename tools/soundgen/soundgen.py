#!/usr/bin/env python3
"""Generates the installation's alarm sounds: 16-bit mono 22050 Hz wave files.

Every sound is synthesised here from sines and seeded noise, so the output is the
same on every run and nothing comes from outside the repository.
"""

import argparse
import array
import math
import random
import wave
from pathlib import Path

RATE = 22050


def note(name):
    """Frequency of a note such as "A4", "F#5" or "Bb3"."""
    steps = {"C": -9, "D": -7, "E": -5, "F": -4, "G": -2, "A": 0, "B": 2}
    semitone = steps[name[0]]
    rest = name[1:]
    if rest[0] == "#":
        semitone += 1
        rest = rest[1:]
    elif rest[0] == "b":
        semitone -= 1
        rest = rest[1:]
    return 440.0 * 2 ** ((semitone + 12 * (int(rest) - 4)) / 12)


class Track:
    """A buffer of float samples that voices are mixed into."""

    def __init__(self, seconds):
        self.samples = [0.0] * int(seconds * RATE)

    def add(self, start, voice):
        first = int(start * RATE)
        for i, value in enumerate(voice):
            if first + i >= len(self.samples):
                break
            self.samples[first + i] += value

    def normalised(self, peak=0.8):
        top = max(abs(s) for s in self.samples) or 1.0
        fade = int(0.01 * RATE)
        out = [s * peak / top for s in self.samples]
        for i in range(fade):
            out[-1 - i] *= i / fade
        return out


def envelope(i, n, attack, release):
    """Linear attack and release over a note of n samples, in samples."""
    return min(1.0, i / attack if attack else 1.0, (n - i) / release if release else 1.0)


def bell(freq, seconds, brightness=1.0):
    # Church-bell partials (hum, prime, tierce, quint, nominal) decay at their own pace.
    partials = [(0.5, 0.6, 1.2), (1.0, 1.0, 1.0), (1.19, 0.5, 1.6), (1.5, 0.35, 2.0),
                (2.0, 0.45 * brightness, 2.6), (2.74, 0.25 * brightness, 3.4)]
    n = int(seconds * RATE)
    out = []
    for i in range(n):
        t = i / RATE
        value = sum(a * math.exp(-d * 2.2 * t / seconds) * math.sin(2 * math.pi * freq * r * t)
                    for r, a, d in partials)
        out.append(value * min(1.0, i / 40))
    return out


def glock(freq, seconds):
    # Metal bar: a bright fundamental and a fast-dying inharmonic overtone.
    n = int(seconds * RATE)
    return [(math.sin(2 * math.pi * freq * i / RATE) * math.exp(-3.0 * i / RATE) +
             0.4 * math.sin(2 * math.pi * freq * 2.76 * i / RATE) * math.exp(-12.0 * i / RATE)) *
            min(1.0, i / 20) for i in range(n)]


def wood(freq, seconds):
    # Xylophone bar: short, woody, its overtone near the fourth harmonic.
    n = int(seconds * RATE)
    return [(math.sin(2 * math.pi * freq * i / RATE) * math.exp(-9.0 * i / RATE) +
             0.3 * math.sin(2 * math.pi * freq * 3.93 * i / RATE) * math.exp(-30.0 * i / RATE)) *
            min(1.0, i / 15) for i in range(n)]


def organ(freq, seconds):
    n = int(seconds * RATE)
    return [envelope(i, n, 400, 1500) *
            sum(a * math.sin(2 * math.pi * freq * h * i / RATE)
                for h, a in ((1, 1.0), (2, 0.45), (3, 0.2), (4, 0.1)))
            for i in range(n)]


def brass(freq, seconds, vibrato=0.0):
    # More harmonics as the note swells, the way a horn brightens when blown.
    n = int(seconds * RATE)
    out = []
    phase = 0.0
    for i in range(n):
        t = i / RATE
        phase += 2 * math.pi * freq * (1 + vibrato * math.sin(2 * math.pi * 5.5 * t)) / RATE
        swell = min(1.0, t / 0.06)
        value = sum((0.8 * swell) ** (h - 1) / h * math.sin(h * phase) for h in range(1, 9))
        out.append(value * envelope(i, n, 200, 900))
    return out


def strings(freq, seconds):
    # A few detuned sawtooth voices with vibrato: a small string section.
    n = int(seconds * RATE)
    out = [0.0] * n
    for detune in (-0.004, 0.0, 0.005):
        phase = 0.0
        for i in range(n):
            t = i / RATE
            phase += freq * (1 + detune + 0.004 * math.sin(2 * math.pi * 5.0 * t)) / RATE
            out[i] += sum(math.sin(2 * math.pi * h * phase) / h for h in range(1, 7))
    return [v * envelope(i, n, int(0.08 * RATE), int(0.25 * RATE)) for i, v in enumerate(out)]


def drum(freq, seconds, noise, rng):
    # A membrane: a sine whose pitch falls after the strike, plus a burst of noise.
    n = int(seconds * RATE)
    out = []
    phase = 0.0
    for i in range(n):
        t = i / RATE
        phase += 2 * math.pi * freq * (1 + 1.5 * math.exp(-t * 30)) / RATE
        body = math.sin(phase) * math.exp(-t * 6 / seconds)
        hiss = noise * (rng.random() * 2 - 1) * math.exp(-t * 35)
        out.append((body + hiss) * min(1.0, i / 10))
    return out


def melody(track, voice, notes, start=0.0):
    """Plays (note, beats) pairs at 0.2 s a beat; a note of None is a rest."""
    at = start
    for name, beats in notes:
        if name:
            track.add(at, voice(note(name), beats * 0.2 + 0.15))
        at += beats * 0.2


def beeth9():
    track = Track(2.3)
    ode = [("E5", 1), ("E5", 1), ("F5", 1), ("G5", 1), ("G5", 1), ("F5", 1), ("E5", 1),
           ("D5", 1), ("C5", 1), ("C5", 1), ("D5", 1), ("E5", 1.5), ("D5", 0.5), ("D5", 2)]
    melody(track, lambda f, s: organ(f, s * 0.65), [(n, b * 0.65) for n, b in ode])
    return track


def dingdong():
    track = Track(2.4)
    track.add(0.0, bell(note("E5"), 1.4))
    track.add(0.6, bell(note("C5"), 1.8))
    return track


def klokkespil():
    track = Track(2.6)
    for k, name in enumerate(["C6", "E6", "G6", "C7", "G6", "E6", "C6"]):
        track.add(k * 0.22, glock(note(name), 1.2))
    return track


def melodi():
    track = Track(2.8)
    tune = [("G5", 1), ("E5", 1), ("C5", 1), ("E5", 1), ("G5", 1), ("C6", 2), ("B5", 1),
            ("G5", 1), ("A5", 1), ("F5", 1), ("G5", 2)]
    melody(track, glock, tune)
    return track


def ohhnoo():
    # Two sighs that fall in pitch, the second longer and lower: "oh... no".
    track = Track(2.0)
    for start, high, low, seconds in ((0.0, note("A4"), note("F4"), 0.7),
                                      (0.8, note("F4"), note("C4"), 1.1)):
        n = int(seconds * RATE)
        voice = []
        phase = 0.0
        for i in range(n):
            t = i / RATE
            freq = high + (low - high) * (t / seconds) ** 1.5
            phase += 2 * math.pi * freq * (1 + 0.01 * math.sin(2 * math.pi * 6 * t)) / RATE
            # Strong second and third harmonics give the "o" vowel.
            value = math.sin(phase) + 0.6 * math.sin(2 * phase) + 0.3 * math.sin(3 * phase)
            voice.append(value * envelope(i, n, int(0.08 * RATE), int(0.3 * RATE)))
        track.add(start, voice)
    return track


def promenade():
    track = Track(2.3)
    theme = [("G4", 1), ("F4", 1), ("Bb4", 1), ("C5", 1), ("F5", 0.5), ("D5", 0.5), ("C5", 1),
             ("F5", 0.5), ("D5", 0.5), ("Bb4", 1), ("C5", 1), ("G4", 1), ("F4", 2)]
    melody(track, lambda f, s: brass(f, s * 0.8), [(n, b * 0.8) for n, b in theme])
    return track


def ringeklokke():
    # A clapper striking the bell twenty times a second, in two rings.
    track = Track(2.2)
    for ring in (0.0, 1.1):
        for k in range(16):
            track.add(ring + k * 0.05, bell(note("A5") * 1.02, 0.35, brightness=1.6))
    return track


def stortromme():
    rng = random.Random(9)
    track = Track(2.2)
    for start in (0.0, 0.5, 0.75, 1.25):
        track.add(start, drum(55, 0.9, 0.3, rng))
    return track


def strengefanfare():
    track = Track(2.8)
    for k, name in enumerate(["G3", "C4", "E4", "G4"]):
        track.add(k * 0.18, strings(note(name), 0.35))
    for name in ("C4", "E4", "G4", "C5"):
        track.add(0.8, strings(note(name), 1.9))
    return track


def telefonlyd():
    # Two rings of a trill between two tones, the way an old telephone rings.
    track = Track(2.4)
    for ring in (0.0, 1.2):
        n = int(0.8 * RATE)
        voice = []
        for i in range(n):
            t = i / RATE
            freq = 1000 if int(t * 25) % 2 == 0 else 1250
            voice.append(math.sin(2 * math.pi * freq * t) * envelope(i, n, 100, 400))
        track.add(ring, voice)
    return track


def tromme():
    rng = random.Random(5)
    track = Track(1.8)
    for start, accent in ((0.0, 1.0), (0.2, 0.6), (0.4, 0.6), (0.6, 1.0), (1.0, 1.0),
                          (1.15, 0.7), (1.3, 1.2)):
        track.add(start, [v * accent for v in drum(180, 0.4, 1.2, rng)])
    return track


def trumpet():
    track = Track(2.3)
    call = [("C5", 1), ("E5", 1), ("G5", 1), ("C6", 2), ("G5", 1), ("C6", 4)]
    melody(track, lambda f, s: brass(f, s, vibrato=0.004), call, start=0.05)
    return track


def zylo():
    track = Track(2.2)
    run = ["C5", "D5", "E5", "G5", "A5", "C6", "D6", "E6", "G6", "E6", "C6"]
    for k, name in enumerate(run):
        track.add(k * 0.12, wood(note(name), 0.7))
    track.add(len(run) * 0.12 + 0.1, wood(note("C6"), 0.8))
    track.add(len(run) * 0.12 + 0.1, wood(note("E6"), 0.8))
    return track


SOUNDS = {
    "Beeth9": beeth9, "DingDong": dingdong, "Klokkespil": klokkespil, "Melodi": melodi,
    "Ohhnoo": ohhnoo, "Promenade": promenade, "Ringeklokke": ringeklokke,
    "Stortromme": stortromme, "Strengefanfare": strengefanfare, "Telefonlyd": telefonlyd,
    "Tromme": tromme, "Trumpet": trumpet, "Zylo": zylo,
}


def write(path, samples):
    data = array.array("h", (max(-32768, min(32767, round(s * 32767))) for s in samples))
    with wave.open(str(path), "wb") as out:
        out.setnchannels(1)
        out.setsampwidth(2)
        out.setframerate(RATE)
        out.writeframes(data.tobytes())


def main():
    default = Path(__file__).resolve().parents[2] / "data" / "shared" / "Alarmlydfiler"
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("folder", nargs="?", default=default, type=Path)
    folder = parser.parse_args().folder
    folder.mkdir(parents=True, exist_ok=True)
    for name, make in SOUNDS.items():
        write(folder / f"{name}.wav", make().normalised())
        print(folder / f"{name}.wav")


if __name__ == "__main__":
    main()
