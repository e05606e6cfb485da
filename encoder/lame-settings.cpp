#include "encoder/lame-settings.h"

#include <algorithm>
#include <array>
#include <cstdarg>
#include <optional>

namespace encoder {

namespace {

constexpr std::array<uint32_t, 9> kMp3SampleRates = {8000,  11025, 12000, 16000, 22050,
                                                     24000, 32000, 44100, 48000};
constexpr uint32_t kHighestBitrate = 320;
constexpr uint32_t kHighestInputRate = 192000;

bool IsMp3SampleRate(uint32_t rate) {
    return std::find(kMp3SampleRates.cbegin(), kMp3SampleRates.cend(), rate) != kMp3SampleRates.cend();
}

// LAME's algorithm quality (0 best and slowest … 9 fastest) for a preset; nothing for an unknown one.
std::optional<int> QualityOfPreset(int32_t preset) {
    switch (preset) {
    case LQP_VERYHIGH_QUALITY:
    case LQP_INSANE:
        return 0;
    case LQP_HIGH_QUALITY:
    case LQP_R3MIX:
    case LQP_STANDARD:
    case LQP_EXTREME:
    case LQP_MEDIUM:
        return 2;
    case LQP_NOPRESET:
    case LQP_ABR:
    case LQP_CBR:
        return 3;
    case LQP_NORMAL_QUALITY:
    case LQP_VOICE_QUALITY:
    case LQP_FAST_STANDARD:
    case LQP_FAST_EXTREME:
    case LQP_FAST_MEDIUM:
        return 5;
    case LQP_LOW_QUALITY:
        return 9;
    default:
        return std::nullopt;
    }
}

std::optional<MPEG_mode> ModeOf(int32_t mode) {
    switch (mode) {
    case BE_MP3_MODE_STEREO:
        return STEREO;
    case BE_MP3_MODE_JSTEREO:
        return JOINT_STEREO;
    case BE_MP3_MODE_DUALCHANNEL:
        return DUAL_CHANNEL;
    case BE_MP3_MODE_MONO:
        return MONO;
    default:
        return std::nullopt;
    }
}

// A library keeps quiet: LAME's notes would otherwise go to the host program's stderr.
void Silent(const char *, va_list) {}

} // namespace

BE_ERR ApplyConfig(const BE_CONFIG &config, lame_t lame) {
    if (config.dwConfig != BE_CONFIG_LAME)
        return BE_ERR_INVALID_FORMAT;
    const auto &lhv1 = config.LHV1;
    const uint32_t outputRate = lhv1.dwReSampleRate != 0 ? lhv1.dwReSampleRate : lhv1.dwSampleRate;
    const std::optional<int> quality = QualityOfPreset(lhv1.nPreset);
    const std::optional<MPEG_mode> mode = ModeOf(lhv1.nMode);
    if (lhv1.dwStructVersion < CURRENT_STRUCT_VERSION || lhv1.dwStructSize != CURRENT_STRUCT_SIZE ||
        lhv1.dwSampleRate == 0 || lhv1.dwSampleRate > kHighestInputRate || !IsMp3SampleRate(outputRate) ||
        !quality || !mode || lhv1.bEnableVBR || lhv1.dwBitrate == 0 || lhv1.dwBitrate > kHighestBitrate)
        return BE_ERR_INVALID_FORMAT_PARAMETERS;

    lame_set_errorf(lame, Silent);
    lame_set_debugf(lame, Silent);
    lame_set_msgf(lame, Silent);
    lame_set_write_id3tag_automatic(lame, 0);
    lame_set_num_channels(lame, *mode == MONO ? 1 : 2);
    lame_set_in_samplerate(lame, static_cast<int>(lhv1.dwSampleRate));
    // Set even when equal to the input rate, or LAME would pick a lower rate by itself.
    lame_set_out_samplerate(lame, static_cast<int>(outputRate));
    lame_set_mode(lame, *mode);
    lame_set_VBR(lame, vbr_off);
    lame_set_brate(lame, static_cast<int>(lhv1.dwBitrate));
    lame_set_quality(lame, *quality);
    lame_set_emphasis(lame, static_cast<int>(lhv1.dwEmphasis));
    lame_set_extension(lame, lhv1.bPrivate != 0);
    lame_set_error_protection(lame, lhv1.bCRC != 0);
    lame_set_copyright(lame, lhv1.bCopyright != 0);
    lame_set_original(lame, lhv1.bOriginal != 0);
    lame_set_bWriteVbrTag(lame, lhv1.bWriteVBRHeader != 0);
    lame_set_disable_reservoir(lame, lhv1.bNoRes != 0);
    lame_set_strict_ISO(lame, lhv1.bStrictIso != 0);
    return lame_init_params(lame) == 0 ? BE_ERR_SUCCESSFUL : BE_ERR_INVALID_FORMAT_PARAMETERS;
}

} // namespace encoder
