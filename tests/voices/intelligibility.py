#!/usr/bin/env python3
"""How well an independent speech recogniser understands the course's voices.

Reads the list the voice generator leaves in PROGRAM/SOUND/voices.txt (one
line per file: path, voice settings, the course text), decodes every listed
mp3 with mpg123, resamples it to 16 kHz mono with sox and hands the files to
pocketsphinx_batch with the stock en-us model, split over every core.

Sentences are decoded with the stock language model; the figure is the word
error rate over the sample: word-level edit distance summed over sentences,
divided by the number of reference words. Reference and hypothesis are
normalised alike first: lower case, curly apostrophes made straight, hyphens
and slashes split words, numbers in digits spelt out ("10" ten, "21st"
twenty first), every other character that is not a letter, a digit or an
apostrophe inside a word dropped (apostrophes are kept: "don't" and "boy's"
are words of the recogniser's dictionary). Each file is decoded on its own
(cepstral mean over the file), so its result does not depend on the sample.

Words are decoded with a grammar whose only sentences are the course's
words, so each word voice is either heard as its own word or as another one
of the course; the figure is the share heard as its own word. A word the
dictionary cannot pronounce stays out of the grammar and counts as missed.

The sample is every word voice and --sentences sentence voices (120 unless
told otherwise, all of them in a smaller course) spread evenly over the
course's order, so a run on the same course decodes the same files.

Prints both figures and exits 1 when the word error rate exceeds --max-wer or
the word score falls below --min-words.
"""

import argparse
import concurrent.futures
import os
import re
import shutil
import subprocess
import sys
import tempfile
import time

MODEL = "/usr/share/pocketsphinx/model/en-us"
HMM = MODEL + "/en-us"
LM = MODEL + "/en-us.lm.bin"
DICT = MODEL + "/cmudict-en-us.dict"

ONES = ("zero one two three four five six seven eight nine ten eleven twelve thirteen fourteen "
        "fifteen sixteen seventeen eighteen nineteen").split()
TENS = "_ _ twenty thirty forty fifty sixty seventy eighty ninety".split()


def number_words(n):
    """English words for 0 <= n < 10000, as they are usually read aloud."""
    if n < 20:
        return [ONES[n]]
    if n < 100:
        return [TENS[n // 10]] + (number_words(n % 10) if n % 10 else [])
    if n < 1000:
        return [ONES[n // 100], "hundred"] + (number_words(n % 100) if n % 100 else [])
    return number_words(n // 1000) + ["thousand"] + (number_words(n % 1000) if n % 1000 else [])


ORDINALS = {"one": "first", "two": "second", "three": "third", "five": "fifth", "eight": "eighth",
            "nine": "ninth", "twelve": "twelfth"}


def ordinal_words(n):
    words = number_words(n)
    last = words[-1]
    if last in ORDINALS:
        last = ORDINALS[last]
    elif last.endswith("y"):
        last = last[:-1] + "ieth"
    else:
        last += "th"
    return words[:-1] + [last]


def normalise(text):
    """The words of `text` as they are compared."""
    text = text.lower().replace("\u2019", "'").replace("\u2018", "'")
    text = re.sub(r"[-/\u2013\u2014]", " ", text)
    words = []
    for token in text.split():
        token = re.sub(r"[^a-z0-9']", "", token).strip("'")
        if not token:
            continue
        for part in re.findall(r"\d+(?:st|nd|rd|th)\b|\d+|[a-z']+", token):
            digits = re.match(r"\d+", part)
            if digits and int(digits.group()) < 10000:
                n = int(digits.group())
                words.extend(number_words(n) if part.isdigit() else ordinal_words(n))
            else:
                words.append(part)
    return words


def edit_distance(ref, hyp):
    row = list(range(len(hyp) + 1))
    for i, r in enumerate(ref, 1):
        prev, row[0] = row[0], i
        for j, h in enumerate(hyp, 1):
            prev, row[j] = row[j], min(row[j] + 1, row[j - 1] + 1, prev + (r != h))
    return row[len(hyp)]


def read_list(program):
    """(relative mp3 path, course text) for every listed voice."""
    voices = []
    with open(os.path.join(program, "SOUND", "voices.txt"), encoding="utf-8") as f:
        for line in f:
            fields = line.rstrip("\n").split("\t")
            if len(fields) >= 3:
                voices.append((fields[0], fields[-1]))
    return voices


def spread(items, limit):
    """At most `limit` items evenly spread over the list, always the same ones."""
    if limit <= 0 or len(items) <= limit:
        return list(items)
    return [items[i * len(items) // limit] for i in range(limit)]


def to_wave(mp3, wav):
    decoded = wav + ".full.wav"
    subprocess.run(["mpg123", "-q", "-w", decoded, mp3], check=True)
    subprocess.run(["sox", decoded, "-r", "16000", "-c", "1", "-b", "16", "-e", "signed-integer", wav], check=True)
    os.remove(decoded)


def recognise(folder, names, extra, jobs):
    """Hypothesis text by utterance name, decoding in `jobs` processes."""
    chunks = [names[i::jobs] for i in range(jobs) if names[i::jobs]]
    procs = []
    for k, chunk in enumerate(chunks):
        ctl = os.path.join(folder, "part%d.ctl" % k)
        with open(ctl, "w") as f:
            f.write("\n".join(chunk) + "\n")
        hyp = os.path.join(folder, "part%d.hyp" % k)
        args = ["pocketsphinx_batch", "-hmm", HMM, "-dict", DICT, "-ctl", ctl, "-cepdir", folder,
                "-cepext", ".wav", "-adcin", "yes", "-adchdr", "44", "-cmn", "batch", "-hyp", hyp,
                "-logfn", os.path.join(folder, "part%d.log" % k)] + extra
        procs.append((subprocess.Popen(args), hyp))
    heard = {}
    for proc, hyp in procs:
        if proc.wait() != 0:
            sys.exit("intelligibility: pocketsphinx_batch failed, see its log in " + folder)
        with open(hyp, encoding="utf-8", errors="replace") as f:
            for line in f:
                m = re.match(r"^(.*?)\s*\((\S+)(?:\s+-?\d+)*\)\s*$", line)
                if m:
                    heard[m.group(2)] = m.group(1)
    return heard


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("program", help="folder of the built program, holding SOUND/")
    # 120 sentences (about 850 words) fix the rate to about a point and
    # decode in about a minute on two cores, which leaves room under the
    # release checks' five minutes on a busy machine.
    parser.add_argument("--sentences", type=int, default=120,
                        help="sentences in the sample, evenly spread over the course (0: all)")
    parser.add_argument("--max-wer", type=float, default=8.0, help="highest sentence word error rate, in %%")
    parser.add_argument("--min-words", type=float, default=90.0, help="lowest share of words heard right, in %%")
    parser.add_argument("--show", type=int, default=15, help="misheard sentences and words to print")
    parser.add_argument("--jobs", type=int, default=os.cpu_count() or 1)
    args = parser.parse_args()

    for tool in ("mpg123", "sox", "pocketsphinx_batch"):
        if not shutil.which(tool):
            sys.exit("intelligibility: %s is not installed" % tool)
    voices = read_list(args.program)
    words = [v for v in voices if v[0].startswith("SOUND/WORD/")]
    sentences = spread([v for v in voices if v[0].startswith("SOUND/SENTENCE/")], args.sentences)
    if not words or not sentences:
        sys.exit("intelligibility: no voices listed under " + args.program)

    with open(DICT, encoding="utf-8") as f:
        known = {line.split(" ", 1)[0] for line in f}
    course_words = sorted({" ".join(normalise(text)) for _, text in words})
    sayable = [w for w in course_words if w and all(part in known for part in w.split())]

    started = time.monotonic()
    folder = tempfile.mkdtemp(prefix="intelligibility-")
    try:
        names = {}
        with concurrent.futures.ThreadPoolExecutor(args.jobs) as pool:
            todo = []
            for i, (path, _) in enumerate(words + sentences):
                names[path] = "u%04d" % i
                todo.append(pool.submit(to_wave, os.path.join(args.program, path),
                                        os.path.join(folder, names[path] + ".wav")))
            for job in todo:
                job.result()

        grammar = os.path.join(folder, "words.gram")
        with open(grammar, "w", encoding="utf-8") as f:
            f.write("#JSGF V1.0;\ngrammar words;\npublic <word> = %s;\n" % " | ".join(sayable))
        heard_sentences = recognise(folder, [names[p] for p, _ in sentences], ["-lm", LM], args.jobs)
        heard_words = recognise(folder, [names[p] for p, _ in words], ["-jsgf", grammar], args.jobs)
    finally:
        shutil.rmtree(folder, ignore_errors=True)

    errors = total = 0
    misheard = []
    for path, text in sentences:
        ref = normalise(text)
        hyp = normalise(heard_sentences.get(names[path], ""))
        e = edit_distance(ref, hyp)
        errors += e
        total += len(ref)
        if e:
            misheard.append((e, path, " ".join(ref), " ".join(hyp)))
    right = 0
    wrong_words = []
    for path, text in words:
        ref = " ".join(normalise(text))
        hyp = " ".join(normalise(heard_words.get(names[path], "")))
        if ref == hyp:
            right += 1
        else:
            wrong_words.append((path, ref, hyp or "(nothing)"))

    misheard.sort(key=lambda m: (-m[0], m[1]))
    for e, path, ref, hyp in misheard[:args.show]:
        print("  %d  %s\n       said:  %s\n       heard: %s" % (e, path, ref, hyp))
    for path, ref, hyp in wrong_words[:args.show]:
        print("  word %s: said %r, heard %r" % (path, ref, hyp))
    unsayable = sorted(set(course_words) - set(sayable))
    if unsayable:
        print("  not in the recogniser's dictionary: " + ", ".join(unsayable))

    wer = 100.0 * errors / max(total, 1)
    score = 100.0 * right / len(words)
    print("sentence voices: word error rate %.1f %% (%d errors in %d words of %d sentences, limit %.1f %%)"
          % (wer, errors, total, len(sentences), args.max_wer))
    print("word voices: %d of %d heard as their word among the course's %d words (%.1f %%, at least %.1f %%)"
          % (right, len(words), len(course_words), score, args.min_words))
    print("intelligibility: %d sentence and %d word voices decoded in %.0f s with %d jobs"
          % (len(sentences), len(words), time.monotonic() - started, args.jobs))
    ok = wer <= args.max_wer and score >= args.min_words
    print("intelligibility: " + ("passed" if ok else "FAILED"))
    return 0 if ok else 1


if __name__ == "__main__":
    sys.exit(main())
