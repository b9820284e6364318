"""Short synthesized sounds (PCM 16-bit mono, 22050 Hz): a chime for opening an exercise or finishing a
group ("SOUND"), a soft click for the main window's buttons ("WAV"), and a rising fanfare for time up
("COMPLETE")."""
import math
import os
import struct
import wave

RATE = 22050


def _note(freq, start, length, volume=0.5, decay=6.0):
    """(start sample, samples) of a bell-like note: a few harmonics under an exponential decay."""
    samples = []
    n = int(length * RATE)
    for i in range(n):
        t = i / RATE
        env = math.exp(-decay * t) * min(1.0, i / (0.004 * RATE))
        v = (math.sin(2 * math.pi * freq * t) + 0.3 * math.sin(4 * math.pi * freq * t)
             + 0.1 * math.sin(6 * math.pi * freq * t)) / 1.4
        samples.append(volume * env * v)
    return int(start * RATE), samples


def _mix(notes, total):
    out = [0.0] * int(total * RATE)
    for start, samples in notes:
        for i, v in enumerate(samples):
            if start + i < len(out):
                out[start + i] += v
    # a short fade at the end so the sound never stops with a click
    fade = int(0.02 * RATE)
    for i in range(fade):
        out[-1 - i] *= i / fade
    return out


def _write(path, samples):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    peak = max(1e-9, max(abs(v) for v in samples))
    scale = min(1.0, 0.8 / peak) * 32767
    with wave.open(path, 'wb') as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(RATE)
        w.writeframes(b''.join(struct.pack('<h', int(v * scale)) for v in samples))


def _click():
    n = int(0.08 * RATE)
    return [0.6 * math.sin(2 * math.pi * (1800 - 9000 * i / RATE) * i / RATE) * math.exp(-60 * i / RATE)
            for i in range(n)]


def make(root):
    c6, e6, g6, c7 = 1046.5, 1318.5, 1568.0, 2093.0
    _write(f'{root}/wave/SOUND.wav', _mix([_note(c6, 0.0, 0.45), _note(g6, 0.12, 0.45)], 0.55))
    _write(f'{root}/wave/WAV.wav', _click())
    _write(f'{root}/wave/COMPLETE.wav', _mix([_note(c6, 0.0, 0.4, 0.4), _note(e6, 0.12, 0.4, 0.4),
                                              _note(g6, 0.24, 0.4, 0.4), _note(c7, 0.36, 0.5, 0.5, 4.0)], 0.9))
