# Makes the made-up parts of the encoding measurement's corpus from the
# real ones measure-text-encoding.sh gathered into CORPUS (run with -CSD):
# words/     the dictionaries' headwords and readings, one a line;
# csv/       naist-jdic's entries as CSV lines (word, reading, sound,
#            parts of speech), a hundred a file;
# addresses/ postal addresses of its places and names, a hundred a file;
# emoji/     unicode-data's emoji list, and lines of the Japanese catalogs
#            with an emoji after them, a hundred a file.
use strict;
use utf8;
use warnings;

my $corpus = shift or die "usage: $0 CORPUS\n";
srand(81);

sub lines_of {
    my ($file) = @_;
    open(my $in, '<', $file) or die "$file: $!\n";
    chomp(my @lines = <$in>);
    return @lines;
}

# Writes LINES to FOLDER, a hundred a file.
sub write_files {
    my ($folder, @lines) = @_;
    for (my $first = 0; $first < @lines; $first += 100) {
        my $last = $first + 99 < $#lines ? $first + 99 : $#lines;
        open(my $out, '>', sprintf('%s/%s/%05d.txt', $corpus, $folder, $first / 100)) or die "$folder: $!\n";
        print $out map { "$_\n" } @lines[$first .. $last];
        close($out);
    }
}

my %words;
my $dictionaries = "$corpus/dictionaries";
for (lines_of("$dictionaries/edict.txt"), lines_of("$dictionaries/enamdict.txt")) {
    next unless /^(\S+)(?: \[(\S+)\])? \//;
    $words{$1} = 1;
    $words{$2} = 1 if defined $2;
}
for (lines_of("$dictionaries/skk.txt")) {
    next if /^;/ || !/^(\S+) \/(.*)\/$/;
    my ($reading, $candidates) = ($1, $2);
    $words{$reading} = 1 unless $reading =~ /[\x00-\x7F]/;
    for (split m{/}, $candidates) {
        s/;.*//;
        $words{$_} = 1 unless /^\(|^$/;
    }
}
my (@csv, @places, @surnames, @names);
for (lines_of("$dictionaries/naist-jdic.txt")) {
    next unless /^\(品詞 \(([^)]*)\)\) \(\(見出し語 \((\S+) \d+\)\) \(読み (\S+)\) \(発音 (\S+)\)/;
    my ($part, $word, $reading, $sound) = ($1, $2, $3, $4);
    $words{$word} = $words{$reading} = 1;
    push @csv, join(',', $word, $reading, $sound, split(/ /, $part));
    push @places, $word if $part eq '名詞 固有名詞 地域 一般';
    push @surnames, $word if $part eq '名詞 固有名詞 人名 姓';
    push @names, $word if $part eq '名詞 固有名詞 人名 名';
}
delete $words{$_} for grep { !/[^\x00-\x7F]/ } keys %words;
write_files('words', sort keys %words);
write_files('csv', @csv);

sub pick { return $_[int(rand(@_))] }
sub full_width { my ($n) = @_; $n =~ tr/0-9/０-９/; return $n }
my @addresses;
for (1 .. 20000) {
    my ($block, $lot, $house) = (1 + int(rand(9)), 1 + int(rand(40)), 1 + int(rand(30)));
    my $number = rand() < 0.5 ? "$block-$lot-$house" : full_width("${block}丁目${lot}番${house}号");
    push @addresses, sprintf('〒%03d-%04d %s%s%s %s %s 様', int(rand(1000)), int(rand(10000)), pick(@places),
        pick(@places), $number, pick(@surnames), pick(@names));
}
write_files('addresses', @addresses);

my @emoji_lines = grep { /[^\x00-\x7F]/ && !/^#/ } lines_of('/usr/share/unicode/emoji/emoji-test.txt');
my @emoji = map { /# (\S+) / ? $1 : () } @emoji_lines;
my @chat;
for my $catalog (sort glob("$corpus/japanese-catalogs/*.txt")) {
    for (lines_of($catalog)) {
        next unless /^msgstr(?:\[\d\])? "(.*[^\x00-\x7F].*)"$/;
        my $line = $1 =~ s/\\n|\\t|\\"/ /gr;
        push @chat, rand() < 0.2 ? pick(@emoji) . " $line" : "$line " . pick(@emoji);
    }
}
write_files('emoji', @emoji_lines, @chat);
