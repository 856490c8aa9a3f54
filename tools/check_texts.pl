#!/usr/bin/perl
# The game's words live in one table (src/content/texts_*.inc); the code asks
# for them by name. This finds words left in the code: a string literal with
# letters beyond ASCII (Japanese, typographic marks), or a literal handed
# straight to a text-drawing call. Comments are skipped. Face names the game
# asks the font matcher for are not shown and are let through.
#
#   perl check_texts.pl SRC-FOLDER [SUB-FOLDER...]
# With sub-folders (e.g. "match options") only those are looked at.
use strict;
use warnings;
use File::Find;

my $src = shift @ARGV or die "usage: check_texts.pl SRC-FOLDER [SUB-FOLDER...]\n";
my @roots = @ARGV ? map { "$src/$_" } @ARGV : ($src);
my %notShown = map { $_ => 1 } ('platform/text.cpp', 'platform/sdl/font_match.cpp', 'platform/key_places.cpp',
                                'platform/virtual/virtual_backend.cpp');
my $drawCall = qr/\b(?:DrawTextInRect|TextOut|TextWidth|DrawKeyHint|DrawCentredText|DrawCenteredText)\s*\(/;

my @faults;
sub Check {
    my ($path) = @_;
    (my $rel = $path) =~ s{^\Q$src\E/}{};
    return if $notShown{$rel};
    open(my $in, '<:raw', $path) or die "cannot read $path\n";
    local $/;
    my $text = <$in>;
    close $in;
    # Walk the file once: blank out comments, keep literals, note their lines.
    my ($code, $line, @literals) = ('', 1);
    my $n = length $text;
    for (my $i = 0; $i < $n;) {
        my $c = substr($text, $i, 1);
        my $two = substr($text, $i, 2);
        if ($two eq '//') {
            my $end = index($text, "\n", $i);
            $end = $n if $end < 0;
            $code .= ' ';
            $i = $end;
        } elsif ($two eq '/*') {
            my $end = index($text, '*/', $i + 2);
            $end = $end < 0 ? $n : $end + 2;
            my $skipped = substr($text, $i, $end - $i);
            my $lines = ($skipped =~ tr/\n//);
            $line += $lines;
            $code .= ' ' . ("\n" x $lines);
            $i = $end;
        } elsif ($c eq '"' || $c eq "'") {
            my $j = $i + 1;
            while ($j < $n) {
                my $d = substr($text, $j, 1);
                if ($d eq '\\') { $j += 2; next; }
                last if $d eq $c || $d eq "\n";
                $j++;
            }
            my $body = substr($text, $i + 1, $j - $i - 1);
            if ($c eq '"') {
                # A raw string R"(...)" is not used for words in the game.
                push @literals, [$line, $body, length $code];
            }
            $code .= $c . ('x' x length $body) . $c;
            $i = $j + 1;
        } else {
            $line++ if $c eq "\n";
            $code .= $c;
            $i++;
        }
    }
    for my $lit (@literals) {
        my ($at, $body, $offset) = @$lit;
        if ($body =~ /[\x80-\xff]/) {
            push @faults, "$rel:$at: words in the code, not the table: \"$body\"";
            next;
        }
        # "...", straight after a drawing call's opening or a comma in one.
        next unless $body =~ /[A-Za-z]{2}/;
        my $before = substr($code, 0, $offset);
        if ($before =~ /$drawCall[^;{}]*$/s && $before !~ /\)\s*[^,(]*$/s) {
            push @faults, "$rel:$at: a literal handed to a text call: \"$body\"";
        }
    }
}

find({ wanted => sub { Check($File::Find::name) if /\.(?:h|cpp)$/ && -f $_ }, no_chdir => 1 }, @roots);
if (@faults) {
    print "$_\n" for sort @faults;
    printf "%d texts outside the table\n", scalar @faults;
    exit 1;
}
print "no words outside the table\n";
