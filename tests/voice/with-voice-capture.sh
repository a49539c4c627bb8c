#!/usr/bin/env bash
# with-voice-capture.sh CAPTURE_FILE COMMAND...: runs COMMAND beside a private
# speech-dispatcher whose only output module writes every text it is asked to
# speak into CAPTURE_FILE, one line a chunk (the service splits at sentence
# ends), so that a test hears what the program said aloud with no sound card.
# COMMAND gets the service through XDG_RUNTIME_DIR and HOME; Qt's speech, the
# browsers' speechSynthesis and spd-say all reach it. Exits with COMMAND's
# status, 77 (skipped) where speech-dispatcher is not installed.
set -u
capture=${1:?usage: with-voice-capture.sh CAPTURE_FILE COMMAND...}
shift
if ! command -v speech-dispatcher >/dev/null; then
  echo "with-voice-capture.sh: needs speech-dispatcher (apt-get install speech-dispatcher)" >&2
  exit 77
fi
capture=$(realpath -m "$capture")
dir=$(mktemp -d)
mkdir -p "$dir/conf/modules" "$dir/run" "$dir/logs" "$dir/home"
chmod 700 "$dir/run"
: >"$capture"
cat >"$dir/conf/speechd.conf" <<CONF
AddModule "capture" "sd_generic" "capture.conf"
DefaultModule capture
DefaultLanguage "ru"
AudioOutputMethod "alsa"
CONF
cat >"$dir/conf/modules/capture.conf" <<CONF
GenericExecuteSynth "printf '%s\\\\n' \'\$DATA\' >> $capture"
GenericLanguage "ru" "ru" "utf-8"
GenericLanguage "en" "en" "utf-8"
AddVoice "ru" "FEMALE1" "ru"
AddVoice "en" "FEMALE1" "en"
CONF
# Sound, if any module made some, goes nowhere.
printf 'pcm.!default { type null }\nctl.!default { type hw card 0 }\n' >"$dir/home/.asoundrc"
export XDG_RUNTIME_DIR="$dir/run" HOME="$dir/home"
speech-dispatcher -s -t 0 -l 2 -C "$dir/conf" -L "$dir/logs" >/dev/null 2>&1 &
service=$!
trap 'kill $service 2>/dev/null; wait $service 2>/dev/null; rm -rf "$dir"' EXIT
for _ in $(seq 100); do
  [ -S "$dir/run/speech-dispatcher/speechd.sock" ] && break
  sleep 0.1
done
"$@"
